%EXCITEACQUIRE Program the board for an excitation-and-acquisition experiment and start it.
%   ExciteAcquire(num_points, SF, SW, pulse_time, trans_time, repetition_delay, ...
%                 num_scans, tx_phase, bypass_fir, adc_freq, amplitude, shape)
%
%   Once per scan the board plays the excitation pulse, waits the transient
%   time, acquires num_points samples and waits the repetition delay; the
%   received signal of all scans is summed on the board. The command returns
%   as soon as the board runs: follow it with BoardState, read the data with
%   FetchSamples, stop it early with HaltBoard.
%
%   Inputs (all twelve are needed; numbers are read as scalars):
%     num_points        points to acquire, 1 to 16384 (fractions are cut off)
%     SF                transmit frequency, MHz
%     SW                spectral width wanted, kHz; the receiver delivers
%                       the nearest width it can (see the printed report)
%     pulse_time        length of the excitation pulse, microseconds,
%                       at least 0.065
%     trans_time        wait between pulse and acquisition, microseconds,
%                       at least 0.065
%     repetition_delay  wait at the end of each scan, seconds
%     num_scans         number of scans, at least 1 (fractions are cut off)
%     tx_phase          transmit phase, degrees
%     bypass_fir        reported only; it changes nothing on the board
%     adc_freq          ADC clock of the board, MHz (75 on the standard board)
%     amplitude         transmit amplitude, 0 to 1
%     shape             excitation pulse: 'hard' (rectangular) or 'sinc'
%                       ('Hard' and 'Sinc' are accepted too)
%
%   Outputs: none.
%
%   Printed: one line per input, the driver library version, the spectral
%   width actually used and the acquisition time (num_points divided by
%   that width), then an empty line:
%     num_points  1024
%     SF=         21.300000 MHz
%     ...
%     Using velkora library version <version>
%     Actual SW used is 50.000000 kHz (desired was 50.000000 kHz)
%     Acquisition time is 20.480000 ms
%   A number of points, scans, pulse or transient time or an amplitude
%   outside its range is not programmed: a single line starting with
%   "Error: " names it, and the board is left as it was. A shape other
%   than the four names raises an error before the board is touched.
%
%   Example: 8 scans of 16384 points at 50 kHz after a 10 us hard pulse,
%   75 MHz ADC clock, full amplitude:
%     ExciteAcquire(16384, 21.3, 50, 10, 20, 0.1, 8, 0, 0, 75, 1, 'hard')
%     [status, scans] = BoardState     % scans done so far
%     [re, im] = FetchSamples;         % after the last scan
%     plot(abs(fftshift(fft(double(re(1:16384)) + 1i*double(im(1:16384))))))
%
%   See also BoardState, FetchSamples, HaltBoard, DriverTrace.
