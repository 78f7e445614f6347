% build_mex.m as an Octave user runs it: it builds the five commands into a
% fresh folder, and they load from there and run against the board library
% it placed beside them.
%
%   octave-cli test_build_mex.m <source root> <folder of libvelkora64.so>
1;

function require(condition, what)
  if ~condition
    error('test_build_mex: %s', what);
  end
end

arguments = argv();
root = arguments{1};
library_folder = arguments{2};
output_folder = tempname();
addpath(fullfile(root, 'matlab'));
build_mex(library_folder, output_folder);

names = {'ExciteAcquire', 'HaltBoard', 'BoardState', 'FetchSamples', 'DriverTrace'};
addpath(output_folder);
for k = 1:numel(names)
  require(strcmp(which(names{k}), fullfile(output_folder, [names{k} '.mex'])), ...
          [names{k} ' is not loaded from the folder build_mex filled']);
  require(exist(fullfile(output_folder, [names{k} '.m']), 'file') == 2, ['no help file for ' names{k}]);
end

setenv('VELKORA_SIM_DATA', 'pattern');
setenv('VELKORA_SIM_STATUS', '2');
require(strcmp(evalc('DriverTrace(0)'), "Debug mode disabled \n"), 'DriverTrace printed');
printed = evalc('ExciteAcquire(1024, 21.3, 50, 10, 20, 0.1, 4, 0, 0, 75, 0.5, ''sinc'')');
require(~isempty(strfind(printed, "Acquisition time is 20.480000 ms\n\n\n")), 'ExciteAcquire printed');
[status, scans] = BoardState();
require(isequal(status, int32(2)) && isa(scans, 'int32'), 'BoardState outputs');
[first, second] = FetchSamples();
require(isequal(size(first), [16384 1]) && isequal(first(1), int32(-8192)), 'FetchSamples outputs');
HaltBoard();

maps = strsplit(fileread('/proc/self/maps'), "\n");
loaded = unique(regexprep(maps(~cellfun(@isempty, strfind(maps, 'libvelkora64'))), '^[^/]*', ''));
require(isequal(loaded, {canonicalize_file_name(fullfile(output_folder, 'libvelkora64.so'))}), ...
        'the modules do not share the board library beside them');

confirm_recursive_rmdir(false);
rmdir(output_folder, 's');
printf('build_mex built five working modules\n');
