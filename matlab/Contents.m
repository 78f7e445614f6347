% Velkora board commands: drive the velkora RF transmit/receive board.
%
%   ExciteAcquire - program an excitation-and-acquisition experiment and start it
%   BoardState    - read the board's status word and completed scan count
%   FetchSamples  - read the two acquired data channels (16384 samples each)
%   HaltBoard     - stop the board
%   DriverTrace   - switch the driver library's debug mode on or off
%
%   A measurement: ExciteAcquire starts it, BoardState follows it until the
%   scan count reaches the number of scans, FetchSamples reads the data.
