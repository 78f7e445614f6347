% The five commands in GNU Octave, all in one Octave process: outputs,
% printed text byte for byte, errors, and the calls that reached the board
% (its journal). Expected values are the ones worked out by hand and by a
% separate Python computation for the C++ tests.
%
%   octave-cli test_commands.m <module folder> <test data folder>
1;

function fail(what, actual, expected)
  global FAILURES
  FAILURES{end + 1} = sprintf('%s\n  got:      %s\n  expected: %s', what, ...
                              disp_text(actual), disp_text(expected));
end

function text = disp_text(value)
  if ischar(value) && rows(value) <= 1
    text = ['"' strrep(value, "\n", '\n') '"'];
  elseif ischar(value)
    text = ['[' strjoin(cellstr(value), '; ') ']'];
  elseif iscell(value)
    text = sprintf('{%s}', strjoin(cellfun(@disp_text, value, 'UniformOutput', false), ', '));
  else
    text = sprintf('%s %s', class(value), mat2str(value, 17));
  end
end

function check_equal(actual, expected, what)
  if ~isequal(actual, expected) || ~strcmp(class(actual), class(expected))
    fail(what, actual, expected);
  end
end

function lines = journal_lines()
  path = getenv('VELKORA_SIM_JOURNAL');
  lines = {};
  if exist(path, 'file')
    text = fileread(path);
    lines = strsplit(text(1:end - 1), "\n");
  end
end

function calls = journal_calls()
  calls = cellfun(@(line) strtok(line), journal_lines(), 'UniformOutput', false);
end

function clear_journal()
  path = getenv('VELKORA_SIM_JOURNAL');
  if exist(path, 'file')
    delete(path);
  end
end

function fresh_board()
  for name = {'VERSION', 'DECIMATION', 'FIRST_ADDRESS', 'STATUS', 'SCAN_COUNT', 'DATA'}
    unsetenv(['VELKORA_SIM_' name{1}]);
  end
  clear_journal();
end

% Calls a command with the given inputs and no outputs, returning what it
% printed and its error message ('' if none).
function [printed, message] = call_command(name, varargin)
  printed = '';
  message = '';
  try
    printed = evalc([name '(varargin{:})']);
  catch err
    message = err.message;
  end
end

function [printed, message] = excite_acquire(inputs)
  [printed, message] = call_command('ExciteAcquire', inputs{:});
end

function inputs = experiment_inputs(varargin)
  inputs = {1024, 21.3, 50, 10, 20, 0.005159, 4, 90, 0, 75, 0.5, 'hard'};
  for k = 1:2:numel(varargin)
    inputs{varargin{k}} = varargin{k + 1};
  end
end

global FAILURES
FAILURES = {};
arguments = argv();
module_dir = arguments{1};
data_dir = arguments{2};
addpath(module_dir);
% The board library reads its controls at each kx_init, so setting them here
% reaches the board already loaded.
setenv('VELKORA_SIM_JOURNAL', [tempname() '.txt']);

% Octave names the command in front of the message a module raises.
SHAPE_ERROR = 'ExciteAcquire: Shape must be specified as being ''hard'' or ''sinc''';
INPUTS_ERROR = 'ExciteAcquire: ExciteAcquire needs 12 inputs';
MODE_ERROR = 'DriverTrace: Input must be a 1 to enable debug mode or 0 to disable debug mode';

%% The modules and their help files come from the module folder.
syntax = {'ExciteAcquire', 'ExciteAcquire(num_points, SF, SW, pulse_time, trans_time, repetition_delay';
          'HaltBoard', 'HaltBoard';
          'BoardState', '[status, scans] = BoardState';
          'FetchSamples', '[first, second] = FetchSamples';
          'DriverTrace', 'DriverTrace(1)'};
for k = 1:rows(syntax)
  name = syntax{k, 1};
  check_equal(which(name), fullfile(module_dir, [name '.mex']), ['module of ' name]);
  help_text = evalc(['help ' name]);
  if isempty(strfind(help_text, syntax{k, 2}))
    fail(['help ' name], help_text, syntax{k, 2});
  end
end

%% DriverTrace confirms the mode and passes it to the library.
for c = {1, 'Debug mode enabled \n', 'kx_set_debug 1 -> 0';
         0, 'Debug mode disabled \n', 'kx_set_debug 0 -> 0';
         -0, 'Debug mode disabled \n', 'kx_set_debug 0 -> 0'}'
  fresh_board();
  [printed, message] = call_command('DriverTrace', c{1});
  check_equal(message, '', 'DriverTrace error');
  check_equal(printed, sprintf(c{2}), 'DriverTrace printed');
  check_equal(journal_lines(), {'kx_init -> 0', c{3}, 'kx_close -> 0'}, 'DriverTrace journal');
end

%% DriverTrace refuses anything but exactly 0 or 1, before the library.
fresh_board();
for value = {0.5, 1.5, 2, -1, Inf, -Inf, NaN, 1 + eps, 1 - eps / 2, '1'}
  [printed, message] = call_command('DriverTrace', value{1});
  check_equal(message, MODE_ERROR, ['DriverTrace(' disp_text(value{1}) ')']);
  check_equal(lasterr(), MODE_ERROR, 'lasterr after DriverTrace');
end
[printed, message] = call_command('DriverTrace');
check_equal(message, 'DriverTrace: DriverTrace needs 1 input', 'DriverTrace without input');
check_equal(journal_lines(), {}, 'journal after refused DriverTrace');

%% A hard-pulse experiment: the report byte for byte, every value to the last bit.
fresh_board();
setenv('VELKORA_SIM_VERSION', '7.3.1 test');
[printed, message] = excite_acquire(experiment_inputs());
check_equal(message, '', 'hard ExciteAcquire error');
check_equal(printed, ["num_points  1024\n" ...
                      "SF=         21.300000 MHz\n" ...
                      "SW=         50.000000 kHz\n" ...
                      "pulse_time= 10.000000 us\n" ...
                      "trans_time= 20.000000 us\n" ...
                      "repetition_delay = 0.005159 s\n" ...
                      "num_scans=  4\n" ...
                      "tx phase=   90.000000 degrees\n" ...
                      "bypass fir= 0\n" ...
                      "adc_freq=   75.000000 MHz\n" ...
                      "amplitude value=   0.500000\n" ...
                      "Using velkora library version 7.3.1 test\n" ...
                      "Actual SW used is 50.000000 kHz (desired was 50.000000 kHz)\n" ...
                      "Acquisition time is 20.480000 ms\n" ...
                      "\n\n"], 'hard ExciteAcquire printed');
samples = strsplit(strtrim(fileread(fullfile(data_dir, 'sinc_table.txt'))), "\n");
hard_journal = {
    'kx_init -> 0'
    'kx_get_version -> 7.3.1 test'
    'kx_set_defaults -> 0'
    'kx_core_clock 0x1.2cp+6 -> 0'
    'kx_overflow 1 0 -> 0'
    'kx_scan_count 1 -> 0'
    ['kx_dds_load ' strjoin(samples, ' ') ' 626688 -> 0']
    'kx_set_amp 0x1p-1 0 -> 0'
    'kx_start_programming 1 -> 0'
    'kx_set_freq 0x1.54ccccccccccdp+4 -> 0'
    'kx_stop_programming -> 0'
    'kx_start_programming 51 -> 0'
    'kx_set_phase 0x0p+0 -> 0'
    'kx_set_phase 0x1.68p+6 -> 0'
    'kx_set_phase 0x1.68p+7 -> 0'
    'kx_set_phase 0x1.0ep+8 -> 0'
    'kx_stop_programming -> 0'
    'kx_start_programming 50 -> 0'
    'kx_set_phase 0x0p+0 -> 0'
    'kx_set_phase 0x1.68p+6 -> 0'
    'kx_set_phase 0x1.68p+7 -> 0'
    'kx_set_phase 0x1.0ep+8 -> 0'
    'kx_stop_programming -> 0'
    'kx_start_programming 2 -> 0'
    'kx_set_phase 0x1.68p+6 -> 0'
    'kx_stop_programming -> 0'
    'kx_setup_filters 0x1.999999999999ap-5 4 256 -> 1500'
    'kx_set_num_points 1024 -> 0'
    'kx_start_programming 0 -> 0'
    'kx_inst_vorn_shape 0 1 0 0 0 1 0 0 0 0 0 0 0x1.f4p+9 -> 0'
    'kx_inst_vorn_shape 0 1 0 0 1 0 0 0 0 1 2 4 0x1.388p+13 -> 1'
    'kx_inst_vorn_shape 0 1 0 0 0 0 0 0 0 0 0 0 0x1.388p+14 -> 2'
    'kx_inst_vorn_shape 0 1 0 0 0 0 1 0 0 2 0 0 0x1.388p+24 -> 3'
    'kx_inst_vorn_shape 0 1 0 0 0 1 1 0 0 0 3 1 0x1.3ae1600000001p+22 -> 4'
    'kx_inst_vorn_shape 0 1 0 0 0 0 0 0 0 0 0 0 0x1.f4p+9 -> 5'
    'kx_inst_vorn_shape 0 1 0 0 0 0 0 0 0 0 1 0 0x1.f4p+9 -> 6'
    'kx_stop_programming -> 0'
    'kx_start -> 0'
    'kx_close -> 0'}';
check_equal(journal_lines(), hard_journal, 'hard ExciteAcquire journal');

%% "Hard" and "hard" give the same journal; "sinc" differs only in the pulse's shape argument.
for shape = {'Hard', 'sinc'}
  fresh_board();
  setenv('VELKORA_SIM_VERSION', '7.3.1 test');
  excite_acquire(experiment_inputs(12, shape{1}));
  expected = hard_journal;
  if strcmpi(shape{1}, 'sinc')
    expected{31} = 'kx_inst_vorn_shape 0 1 0 0 1 0 0 1 0 1 2 4 0x1.388p+13 -> 1';
  end
  check_equal(journal_lines(), expected, [shape{1} ' ExciteAcquire journal']);
end

%% A sinc pulse at the limits follows the loop address the board returns.
fresh_board();
setenv('VELKORA_SIM_FIRST_ADDRESS', '40');
[printed, message] = excite_acquire({16384, 100.5, 200, 0.065, 0.065, 0, 1, -45.5, -7, 80, ...
                                     1.0000000001, 'Sinc'});
check_equal(message, '', 'sinc ExciteAcquire error');
lines = journal_lines();
check_equal(numel(lines), 39, 'sinc ExciteAcquire journal length');
check_equal(lines([4 8 10 25 27 28]), {'kx_core_clock 0x1.4p+6 -> 0', 'kx_set_amp 0x1p+0 0 -> 0', ...
            'kx_set_freq 0x1.92p+6 -> 0', 'kx_set_phase -0x1.6cp+5 -> 0', ...
            'kx_setup_filters 0x1.999999999999ap-3 1 256 -> 400', ...
            'kx_set_num_points 16384 -> 0'}, 'sinc ExciteAcquire set-up');
check_equal(lines(30:36), {'kx_inst_vorn_shape 0 1 0 0 0 1 0 0 0 0 0 0 0x1.f4p+9 -> 40', ...
            'kx_inst_vorn_shape 0 1 0 0 1 0 0 1 0 1 2 1 0x1.04p+6 -> 41', ...
            'kx_inst_vorn_shape 0 1 0 0 0 0 0 0 0 0 0 0 0x1.04p+6 -> 42', ...
            'kx_inst_vorn_shape 0 1 0 0 0 0 1 0 0 2 0 0 0x1.388p+26 -> 43', ...
            'kx_inst_vorn_shape 0 1 0 0 0 1 1 0 0 0 3 41 0x0p+0 -> 44', ...
            'kx_inst_vorn_shape 0 1 0 0 0 0 0 0 0 0 0 0 0x1.f4p+9 -> 45', ...
            'kx_inst_vorn_shape 0 1 0 0 0 0 0 0 0 0 1 0 0x1.f4p+9 -> 46'}, 'sinc pulse program');
tail = ["bypass fir= -7\n" ...
        "adc_freq=   80.000000 MHz\n" ...
        "amplitude value=   1.000000\n" ...
        "Using velkora library version velkora-sim 1.0\n" ...
        "Actual SW used is 200.000000 kHz (desired was 200.000000 kHz)\n" ...
        "Acquisition time is 81.920000 ms\n" ...
        "\n\n"];
check_equal(printed(max(1, end - numel(tail) + 1):end), tail, 'sinc ExciteAcquire printed');

%% A parameter outside the board's limits: one printed line, no error, nothing programmed.
checks = {1, 0, 'Error: Maximum number of points is 16384\n';
          1, 16385, 'Error: Maximum number of points is 16384\n';
          7, 0.5, 'Error: there must be at least one scan\n';
          4, 0.064, 'Error: pulse time is too small to work with board\n';
          5, NaN, 'Error: transient time is too small to work with board\n';
          11, 1 + 2^-23, 'Error: amplitude value out of range\n'};
for k = 1:rows(checks)
  fresh_board();
  [printed, message] = excite_acquire(experiment_inputs(checks{k, 1}, checks{k, 2}));
  what = sprintf('input %d = %g', checks{k, 1}, checks{k, 2});
  check_equal(message, '', [what ': error']);
  check_equal(printed, sprintf(checks{k, 3}), [what ': printed']);
  check_equal(journal_calls(), {'kx_init', 'kx_close'}, [what ': journal']);
end

%% Refused shapes and missing inputs: an error before the board is touched.
fresh_board();
for shape = {'HARD', 'SINC', 'hard ', 'har', 'hardx', '', 1, {'hard'}, ['ha'; 'rd']}
  [printed, message] = excite_acquire(experiment_inputs(12, shape{1}, 1, 0));
  check_equal(message, SHAPE_ERROR, ['shape ' disp_text(shape{1})]);
  check_equal(printed, '', ['printed for shape ' disp_text(shape{1})]);
end
inputs = experiment_inputs();
for count = [0 1 11]
  [printed, message] = call_command('ExciteAcquire', inputs{1:count});
  check_equal(message, INPUTS_ERROR, sprintf('ExciteAcquire with %d inputs', count));
end
check_equal(lasterr(), INPUTS_ERROR, 'lasterr after ExciteAcquire');
check_equal(journal_lines(), {}, 'journal after refused ExciteAcquire');

%% BoardState: status word and scan count as 1-by-1 int32, bit for bit.
fresh_board();
setenv('VELKORA_SIM_STATUS', '0x80000004');
setenv('VELKORA_SIM_SCAN_COUNT', '123456');
[status, scans] = BoardState();
check_equal(status, int32(-2147483644), 'BoardState status');
check_equal(scans, int32(123456), 'BoardState scan count');
check_equal(journal_lines(), {'kx_init -> 0', 'kx_read_status -> -2147483644', ...
            'kx_scan_count 0 -> 123456', 'kx_close -> 0'}, 'BoardState journal');
[status, scans] = BoardState('ignored', 7);
check_equal({status, scans}, {int32(-2147483644), int32(123456)}, 'BoardState with inputs');
status = BoardState;
check_equal(status, int32(-2147483644), 'BoardState with one output');
BoardState;
check_equal(ans, int32(-2147483644), 'BoardState into ans');
check_equal(evalc('[status, scans] = BoardState;'), '', 'BoardState printed');

%% FetchSamples: two 16384-by-1 int32 channels, first buffer first.
fresh_board();
setenv('VELKORA_SIM_DATA', 'pattern');
[first, second] = FetchSamples();
check_equal(size(first), [16384 1], 'FetchSamples first size');
check_equal(size(second), [16384 1], 'FetchSamples second size');
check_equal(first([1 2 8193 16384])', int32([-8192 -8191 0 8191]), 'FetchSamples first channel');
check_equal(second([1 16384])', int32([-2147483648 -2147467265]), 'FetchSamples second channel');
check_equal(journal_lines(), {'kx_init -> 0', 'kx_get_data 16384 -> 0', 'kx_close -> 0'}, ...
            'FetchSamples journal');
only_first = FetchSamples;
check_equal(only_first, first, 'FetchSamples with one output');
check_equal(evalc('[first, second] = FetchSamples;'), '', 'FetchSamples printed');

%% HaltBoard: three calls, whatever it is given, and nothing printed.
for round = 1:2
  fresh_board();
  check_equal(evalc('HaltBoard(''ignored'')'), '', 'HaltBoard printed');
  check_equal(journal_lines(), {'kx_init -> 0', 'kx_stop -> 0', 'kx_close -> 0'}, 'HaltBoard journal');
end

%% All five modules share one board library, the one beside them.
maps = strsplit(fileread('/proc/self/maps'), "\n");
loaded = maps(~cellfun(@isempty, strfind(maps, 'libvelkora64')));
paths = unique(cellfun(@(line) line(find(line == '/', 1):end), loaded, 'UniformOutput', false));
check_equal(paths, {canonicalize_file_name(fullfile(module_dir, 'libvelkora64.so'))}, ...
            'board libraries loaded');

delete(getenv('VELKORA_SIM_JOURNAL'));
if isempty(FAILURES)
  printf('all Octave command checks passed\n');
else
  printf('%s\n', FAILURES{:});
  printf('%d Octave command checks failed\n', numel(FAILURES));
  exit(1);
end
