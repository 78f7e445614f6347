%HALTBOARD Stop the board.
%   HaltBoard
%
%   Ends the experiment that ExciteAcquire started, for instance before its
%   last scan. The board keeps its program, its registers and the data
%   summed so far: FetchSamples still reads them.
%
%   Inputs: none (any given are ignored).
%   Outputs: none.
%   Printed: nothing.
%
%   Example:
%     ExciteAcquire(16384, 21.3, 50, 10, 20, 0.1, 1000, 0, 0, 75, 1, 'hard')
%     pause(5)
%     HaltBoard
%     [status, scans] = BoardState     % scans completed before the stop
%
%   See also ExciteAcquire, BoardState, FetchSamples.
