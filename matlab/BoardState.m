%BOARDSTATE Read the board's status word and scan count.
%   [status, scans] = BoardState
%   status = BoardState
%
%   Follows an experiment that ExciteAcquire started; a running experiment
%   keeps running.
%
%   Inputs: none (any given are ignored).
%   Outputs:
%     status  the board's status word, 1-by-1 int32:
%             bit 0 (1) stopped, bit 1 (2) reset, bit 2 (4) running,
%             bit 3 (8) waiting
%     scans   scans the board has completed so far, 1-by-1 int32
%   Printed: nothing.
%
%   Example: wait until all 8 scans are done.
%     ExciteAcquire(16384, 21.3, 50, 10, 20, 0.1, 8, 0, 0, 75, 1, 'hard')
%     [status, scans] = BoardState;
%     while scans < 8 && ~bitand(status, 1)
%       pause(0.2)
%       [status, scans] = BoardState;
%     end
%
%   See also ExciteAcquire, FetchSamples, HaltBoard.
