%DRIVERTRACE Switch the board driver library's debug mode on or off.
%   DriverTrace(1)
%   DriverTrace(0)
%
%   In debug mode the driver library reports what it does; the simulated
%   board library writes each of its calls to the standard error stream of
%   the MATLAB or Octave process.
%
%   Input:
%     mode  1 to switch debug mode on, 0 to switch it off; any other value
%           raises an error and leaves the library untouched
%   Outputs: none.
%   Printed: "Debug mode enabled " or "Debug mode disabled " on a line.
%
%   Example:
%     DriverTrace(1)
%     [status, scans] = BoardState;    % its driver calls are reported
%     DriverTrace(0)
%
%   See also ExciteAcquire, BoardState.
