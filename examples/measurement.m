% A whole measurement on the simulated board, as a user runs it in Octave:
% start the experiment, follow it until every scan is done, fetch the data
% and plot the signal and its spectrum to a PNG file.
%
%   octave-cli examples/measurement.m [output folder]
%
% The commands come from dist/octave ("make octave"). With the real board
% the same script runs unchanged; only the setenv lines are for the
% simulated one.

here = fileparts(mfilename('fullpath'));
addpath(fullfile(fileparts(here), 'dist', 'octave'));
arguments = argv();
output_folder = fullfile(pwd, 'build', 'demo');
if ~isempty(arguments)
  output_folder = make_absolute_filename(arguments{1});
end

% The simulated board keeps real time; 2000 times faster the 8 scans of
% 0.43 s each take under 2 ms.
if isempty(getenv('VELKORA_SIM_SPEEDUP'))
  setenv('VELKORA_SIM_SPEEDUP', '2000');
end

num_points = 16384;
num_scans = 8;
report = evalc(['ExciteAcquire(num_points, 21.3, 50, 10, 20, 0.1, num_scans, 0, 0, 75, 1, ' ...
                '''hard'')']);
printf('%s', report);
width = regexp(report, 'Actual SW used is ([-\d.]+) kHz', 'tokens', 'once');
if isempty(width)
  error('measurement: the board was not programmed (see the report above)');
end
sw_khz = str2double(width{1});

% Follow the board: bit 0 of the status word is set once it has stopped.
max_wait_s = 5;
started = tic;
last_scans = -1;
while true
  [status, scans] = BoardState;
  if scans ~= last_scans
    printf('  %d of %d scans done (status word %d)\n', scans, num_scans, status);
    last_scans = scans;
  end
  if scans >= num_scans || bitand(status, 1)
    break;
  end
  if toc(started) > max_wait_s
    printf('  the board has not finished after %d s: halting it and taking what it holds\n', ...
           max_wait_s);
    HaltBoard;
    break;
  end
  pause(0.02);
end

[first, second] = FetchSamples;
fid = double(first(1:num_points)) + 1i * double(second(1:num_points));
time_ms = (0:num_points - 1)' / sw_khz;
% Scaled by the number of points: a steady signal of amplitude A gives a
% peak of height A.
spectrum = abs(fftshift(fft(fid))) / num_points;
offset_khz = ((0:num_points - 1)' - floor(num_points / 2)) * sw_khz / num_points;
[peak, at] = max(spectrum);
if peak > 0
  printf('spectral peak at %+.3f kHz from SF, magnitude %.4g\n', offset_khz(at), peak);
else
  printf('the board returned no signal\n');
end

% Drawn off-screen: gnuplot needs no display.
if any(strcmp(available_graphics_toolkits(), 'gnuplot'))
  warning('off', 'Octave:gnuplot-graphics');
  graphics_toolkit('gnuplot');
end
figure('visible', 'off');
subplot(2, 1, 1);
% In thousands, so that the tick labels leave room for the axis label.
plot(time_ms, real(fid) / 1e3, time_ms, imag(fid) / 1e3);
xlim([0 time_ms(end)]);
xlabel('time (ms)');
ylabel('signal (10^3 counts)');
legend('first channel (real)', 'second channel (imaginary)');
legend('boxoff');
title(sprintf('FID: sum of %d scans at %g kHz spectral width', scans, sw_khz));
subplot(2, 1, 2);
plot(offset_khz, spectrum);
xlim([offset_khz(1) offset_khz(end)]);
xlabel('frequency offset from SF (kHz)');
ylabel('magnitude (counts)');

if ~exist(output_folder, 'dir')
  mkdir(output_folder);
end
png = fullfile(output_folder, 'measurement.png');
print('-dpng', '-S1000,750', png);
printf('plot written to %s\n', png);
