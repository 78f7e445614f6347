% Wrong counts and classes of inputs and outputs, in one Octave process:
% every call ends in a MATLAB error or the command's documented behaviour,
% the process survives all of them, and the driver library is never left
% open (each kx_init of the journal is matched by a kx_close).
%
%   octave-cli test_bad_calls.m <module folder>
1;

function calls = journal_calls()
  calls = {};
  path = getenv('VELKORA_SIM_JOURNAL');
  if exist(path, 'file')
    text = fileread(path);
    delete(path);
    calls = cellfun(@strtok, strsplit(text(1:end - 1), "\n"), 'UniformOutput', false);
  end
end

% Values of every class a user can pass, the awkward ones above all.
function values = odd_values()
  values = {[], {}, struct(), struct('a', {1, 2}), {1, 'hard'}, 'hard', ['ha'; 'rd'], '', ...
            true, int8(-5), uint16(7), int32(16384), int64(-1), uint64(2^63), single(0.5), ...
            1 + 2i, [1 2 3], zeros(2, 0), NaN, Inf, -Inf, -0, realmax, realmin / 4, ...
            2^31, -2^31 - 1, 0.065, @sin, "sinc", 1, 0};
end

arguments = argv();
addpath(arguments{1});
setenv('VELKORA_SIM_JOURNAL', [tempname() '.txt']);
rand('seed', 42);

values = odd_values();
commands = {'ExciteAcquire', 'HaltBoard', 'BoardState', 'FetchSamples', 'DriverTrace'};
outputs_given = [0 0 2 2 0];
failures = {};
calls_made = 0;

for c = 1:numel(commands)
  for trial = 1:150
    nin = floor(rand() * 15);
    nout = floor(rand() * 4);
    inputs = values(1 + floor(rand(1, nin) * numel(values)));
    if trial <= 15 && c == 1
      % Near-valid experiments with one input replaced, so that the
      % worker's checks are reached, not only the gateway's.
      inputs = {64, 21.3, 50, 10, 20, 0, 1, 0, 0, 75, 0.5, 'hard'};
      inputs{1 + mod(trial - 1, 12)} = values{1 + floor(rand() * numel(values))};
    end
    outs = cell(1, nout);
    message = '';
    try
      if nout == 0
        evalc('feval(commands{c}, inputs{:});');
      else
        [~, outs{:}] = evalc('feval(commands{c}, inputs{:})');
      end
    catch err
      message = err.message;
    end
    calls_made = calls_made + 1;
    calls = journal_calls();
    opened = sum(strcmp(calls, 'kx_init'));
    closed = sum(strcmp(calls, 'kx_close'));
    what = sprintf('%s with %d inputs, %d outputs', commands{c}, nin, nout);
    if opened ~= closed || opened > 1
      failures{end + 1} = sprintf('%s: kx_init %d times, kx_close %d times', what, opened, closed);
    end
    if ~isempty(message) && opened > 0 && nout <= outputs_given(c)
      failures{end + 1} = sprintf('%s: error "%s" after the driver was opened', what, message);
    end
    if isempty(message) && nout > 0
      for k = 1:min(nout, outputs_given(c))
        if ~isa(outs{k}, 'int32')
          failures{end + 1} = sprintf('%s: output %d is %s', what, k, class(outs{k}));
        end
      end
    end
  end
end

delete_if = getenv('VELKORA_SIM_JOURNAL');
if exist(delete_if, 'file')
  delete(delete_if);
end
printf('%d calls, %d failures\n', calls_made, numel(failures));
if ~isempty(failures)
  printf('%s\n', failures{:});
  exit(1);
end
