// Driver results the commands take as they come: each odd answer of the
// board library has one outcome, and none of them crashes a command.
#include "support/command_session.h"
#include "support/experiment_inputs.h"

namespace {

class DriverFaultTest : public CommandSession {
protected:
    mexhost::CallResult excite(const ExperimentInputs &inputs = {})
    {
        auto arrays = inputs.arrays();
        return mexhost::call(command(EXCITE_ACQUIRE_MODULE), 0, pointers(arrays));
    }
};

TEST_F(DriverFaultTest, PrintsAVersionTextOfAnyLengthWhole)
{
    const std::string version(10240, 'v');
    velkora_sim::controls().version = version;
    const auto result = excite();
    EXPECT_NE(result.printed.find("\nUsing velkora library version " + version + "\nActual SW"),
              std::string::npos);
}

TEST_F(DriverFaultTest, LoopsBackToWhateverAddressTheDriverReturned)
{
    struct Case {
        const char *first_address;
        const char *loop_close;
    } cases[] = {
        {"-5", "kx_inst_vorn_shape 0 1 0 0 0 1 1 0 0 0 3 -4 0x1.3ae1600000001p+22 -> -1"},
        {"-2147483648",
         "kx_inst_vorn_shape 0 1 0 0 0 1 1 0 0 0 3 -2147483647 0x1.3ae1600000001p+22 -> -2147483644"},
    };
    for (const Case &c : cases) {
        clear_journal();
        setenv("VELKORA_SIM_FIRST_ADDRESS", c.first_address, 1);
        const auto result = excite();
        EXPECT_FALSE(result.error);
        EXPECT_EQ(journal().at(33), c.loop_close);
    }
}

}  // namespace
