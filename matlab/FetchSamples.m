%FETCHSAMPLES Read the acquired data from the board.
%   [first, second] = FetchSamples
%   first = FetchSamples
%
%   Reads the signal that the board has summed over the scans completed so
%   far. Always 16384 samples per channel, whatever number of points the
%   experiment acquires: use the first num_points of each. A running
%   experiment keeps running.
%
%   Inputs: none (any given are ignored).
%   Outputs:
%     first   first data channel (real part), 16384-by-1 int32
%     second  second data channel (imaginary part), 16384-by-1 int32
%   Sample k was taken (k-1)/SW after the start of the acquisition, SW
%   being the width ExciteAcquire reports as actually used.
%   Printed: nothing.
%
%   Example:
%     [re, im] = FetchSamples;
%     fid = double(re(1:1024)) + 1i*double(im(1:1024));
%     plot(abs(fftshift(fft(fid))))
%
%   See also ExciteAcquire, BoardState.
