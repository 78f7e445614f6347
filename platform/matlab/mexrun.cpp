// mexrun - calls MATLAB commands from their compiled modules, one process
// for a whole script, the way a MATLAB session does.
//
//   mexrun MODULE_DIR SCRIPT     (SCRIPT "-" reads standard input)
//
// Each script line is one call (see mexrun_script.h). The command's module,
// MODULE_DIR/<command>.mexw64 on Windows and .mexa64 on Linux, is loaded
// on its first call and stays loaded, as MATLAB keeps it; its
// mexfilerequiredapiversion must give 0x2017A and 0. All modules share the
// process, so the board library keeps its state from call to call.
//
// The transcript on standard output shows, per call:
//
//   >> <the line>
//   <what the command printed, as printed>
//   <each output it returned (array_display.h): ans without [N], else out1...>
//   Error using <command>          <- a MATLAB error, and its message
//   <message>
//
// Exit status: 0 when every line ran (MATLAB errors included), 1 when a
// module could not be loaded, 2 for a usage or script error.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include "array_display.h"
#include "host.h"
#include "module.h"
#include "mexrun_script.h"

namespace {

#if defined(_WIN32)
const char MODULE_SUFFIX[] = ".mexw64";
#else
const char MODULE_SUFFIX[] = ".mexa64";
#endif

const unsigned REQUIRED_BUILT_BY_REV = 0x2017A;
const unsigned REQUIRED_TARGET_API = 0;

struct LoadedModule {
    mexhost::MexFunction function = nullptr;
    std::string error;  // why it could not be used
};

class Session {
public:
    explicit Session(std::string module_dir) : module_dir_(std::move(module_dir)) {}

    void run(const mexhost::ScriptCall &call)
    {
        const LoadedModule &module = load(call.command);
        if (module.function == nullptr) {
            report_error(call.command, module.error);
            load_failed_ = true;
            return;
        }
        std::vector<mexhost::Array> inputs;
        for (const mexhost::ScriptArgument &argument : call.arguments) {
            inputs.push_back(make_input(argument));
        }
        std::vector<const mxArray *> pointers;
        for (const mexhost::Array &input : inputs) {
            pointers.push_back(input.get());
        }
        // Printed text is echoed as it is printed, so that it interleaves
        // with what the board library writes to standard error.
        const mexhost::CallResult result = mexhost::call(module.function, call.nlhs, pointers);
        std::fflush(stdout);
        if (result.error) {
            report_error(call.command, *result.error);
            return;
        }
        show_outputs(call, result);
    }

    bool load_failed() const { return load_failed_; }

private:
    const LoadedModule &load(const std::string &command)
    {
        auto found = modules_.find(command);
        if (found != modules_.end()) {
            return found->second;
        }
        LoadedModule &module = modules_[command];
        const std::string path = module_dir_ + "/" + command + MODULE_SUFFIX;
        try {
            const mexhost::Module loaded = mexhost::load_module(path);
            if (loaded.built_by_rev != REQUIRED_BUILT_BY_REV ||
                loaded.target_api_version != REQUIRED_TARGET_API) {
                module.error = path + " asks for API version " + hex(loaded.built_by_rev) + " " +
                               hex(loaded.target_api_version) + ", not 0x2017a 0x0";
            } else {
                module.function = loaded.function;
            }
        } catch (const std::runtime_error &error) {
            module.error = error.what();
        }
        return module;
    }

    static std::string hex(unsigned value)
    {
        char text[16];
        std::snprintf(text, sizeof text, "0x%x", value);
        return text;
    }

    static mexhost::Array make_input(const mexhost::ScriptArgument &argument)
    {
        switch (argument.kind) {
        case mexhost::ScriptArgument::TEXT: return mexhost::text(argument.text);
        case mexhost::ScriptArgument::EMPTY: return mexhost::empty();
        default: return mexhost::scalar(argument.number);
        }
    }

    // MATLAB names the outputs the caller asked for and shows an unasked
    // first output as ans; an output asked for but not set is an error.
    static void show_outputs(const mexhost::ScriptCall &call, const mexhost::CallResult &result)
    {
        std::string text;
        for (std::size_t slot = 0; slot < result.outputs.size(); ++slot) {
            const mxArray *output = result.outputs[slot].get();
            if (output != nullptr) {
                const std::string name =
                    call.nlhs == 0 ? "ans" : "out" + std::to_string(slot + 1);
                text += mexhost::display_array(name, output);
            } else if (static_cast<int>(slot) < call.nlhs) {
                text += "Error using " + call.command +
                        "\nOne or more output arguments not assigned during call to \"" +
                        call.command + "\".\n";
                break;
            }
        }
        if (result.wrote_past_outputs) {
            text += "Warning: " + call.command + " wrote beyond the output slots it was given\n";
        }
        std::fwrite(text.data(), 1, text.size(), stdout);
    }

    static void report_error(const std::string &command, const std::string &message)
    {
        std::printf("Error using %s\n%s\n", command.c_str(), message.c_str());
    }

    std::string module_dir_;
    std::map<std::string, LoadedModule> modules_;
    bool load_failed_ = false;
};

int usage()
{
    std::fprintf(stderr, "usage: mexrun MODULE_DIR SCRIPT   (SCRIPT - for standard input)\n");
    return 2;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        return usage();
    }
#if defined(_WIN32)
    // Line ends as written, so that a transcript and the board's debug
    // lines read the same as on Linux.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    std::ifstream file;
    const std::string script_name = argv[2];
    if (script_name != "-") {
        file.open(script_name, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "mexrun: cannot read %s\n", script_name.c_str());
            return 2;
        }
    }
    std::istream &script = script_name == "-" ? std::cin : file;

    mexhost::set_echo(true);
    Session session(argv[1]);
    int line_number = 0;
    for (std::string line; std::getline(script, line);) {
        ++line_number;
        const mexhost::ScriptLine parsed = mexhost::parse_script_line(line);
        if (parsed.blank) {
            continue;
        }
        if (!parsed.error.empty()) {
            std::fflush(stdout);
            std::fprintf(stderr, "mexrun: %s:%d: %s\n", script_name.c_str(), line_number,
                         parsed.error.c_str());
            return 2;
        }
        std::printf(">> %s\n", parsed.source.c_str());
        std::fflush(stdout);
        session.run(parsed.call);
    }
    std::fflush(stdout);
    return session.load_failed() ? 1 : 0;
}
