function build_mex(library_folder, output_folder)
%BUILD_MEX Build the five board commands with the mex of this MATLAB or Octave.
%   build_mex(library_folder)
%   build_mex(library_folder, output_folder)
%
%   library_folder  folder that holds the board driver library velkora64:
%                   MATLAB on Windows: its import library velkora64.lib
%                   (velkora64.dll itself must be on the PATH, or beside
%                   the modules, when the commands run);
%                   Octave on Linux: libvelkora64.so, which is copied beside
%                   the modules and found there.
%   output_folder   where the modules go (created if missing); default: the
%                   current folder. Add it to the path with addpath.
%
%   MATLAB builds with "mex -R2017b", the interface release the commands
%   are written for (64-bit sizes, separate complex data). Octave builds
%   with its own mex (mkoctfile --mex), mapping the two functions that it
%   exports under other names. It finds the sources beside its own folder,
%   so it runs from any current folder:
%
%     addpath('C:\velkora-commands\matlab')
%     build_mex('C:\Program Files\velkora\lib', 'C:\velkora-commands\mex')
%     addpath('C:\velkora-commands\mex')
%
%   The help files (ExciteAcquire.m, ...) beside this file belong beside the
%   modules too; build_mex copies them.

  if nargin < 1
    error('build_mex: give the folder that holds the velkora64 library');
  end
  if nargin < 2
    output_folder = pwd;
  end
  if ~exist(output_folder, 'dir')
    mkdir(output_folder);
  end

  here = fileparts(mfilename('fullpath'));
  root = fileparts(here);
  experiment = {'ExciteAcquire.cpp', 'run_experiment.cpp', 'board_setup.cpp', ...
                'pulse_program.cpp', 'sinc_shape.cpp'};
  commands = {
    'ExciteAcquire', fullfile(root, 'experiment', experiment)
    'HaltBoard',     {fullfile(root, 'commands', 'HaltBoard.cpp')}
    'BoardState',    {fullfile(root, 'commands', 'BoardState.cpp')}
    'FetchSamples',  {fullfile(root, 'commands', 'FetchSamples.cpp')}
    'DriverTrace',   {fullfile(root, 'commands', 'DriverTrace.cpp')}};

  in_octave = exist('OCTAVE_VERSION', 'builtin') > 0;
  if in_octave
    options = octave_options(library_folder, output_folder, root);
  else
    % MATLAB's mex compiles its own mexfilerequiredapiversion into every
    % module, so gateway/api_version.cpp stays out of this build.
    options = {'-R2017b', ['-L' library_folder], '-lvelkora64'};
  end

  for k = 1:size(commands, 1)
    name = commands{k, 1};
    sources = commands{k, 2};
    if in_octave
      mex('-o', fullfile(output_folder, [name '.' mexext]), sources{:}, options{:});
    else
      mex('-outdir', output_folder, '-output', name, sources{:}, options{:});
    end
    copyfile(fullfile(here, [name '.m']), output_folder);
    fprintf('built %s\n', fullfile(output_folder, [name '.' mexext]));
  end
  copyfile(fullfile(here, 'Contents.m'), output_folder);
end

function options = octave_options(library_folder, output_folder, root)
  options = {'-DVELKORA_HOST_OCTAVE', fullfile(root, 'gateway', 'api_version.cpp')};
  if ispc
    options = [options, {['-L' library_folder], '-lvelkora64'}];
    return;
  end
  % The modules load the copy beside them ($ORIGIN), so that every command
  % of one Octave process shares one board library. mex hands its arguments
  % through two shells (Octave's and mkoctfile's): the $ is escaped for both.
  copyfile(fullfile(library_folder, 'libvelkora64.so'), output_folder);
  options = [options, {['-L' output_folder], '-lvelkora64', ...
                       '-Wl,-rpath,\\\$ORIGIN'}];
end
