#include "tools/halvane-cmd/Arguments.h"

#include <gtest/gtest.h>

namespace halvanecmd {
namespace {

using Args = std::vector<std::string>;
using namespace std::chrono_literals;

ParsedArguments parsed(const Args& args) {
    return parseArguments(args);
}

TEST(HalvaneCmdArguments, BuildTheTextToExecute) {
    struct Case {
        Args args;
        std::string text;
    };
    const Case cases[] = {
        {{"3", "0"}, "3\r\n0\r\n"},
        {{"35", "0", "kPa", "100", "0"}, "35\r\n0\r\nkPa\r\n100\r\n0\r\n"},
        // One-byte text and blanks pass unchanged; "--" lets an argument begin with "-".
        {{"18", "0", "M\xE9SSAGE ", "--", "-1.5"}, "18\r\n0\r\nM\xE9SSAGE \r\n-1.5\r\n"},
        {{"--line", "3;;0"}, "3;;0"},
        {{"--line=6;;0;;1"}, "6;;0;;1"},
        {{"--status"}, "STATUS"},
        {{"--set", "primary"}, "SET PRIMARY"},
        {{"--set", "Secondary"}, "SET SECONDARY"},
        {{"--set", "rq10"}, "SET RQ-10"},
        {{"--set=rq20"}, "SET RQ-20"},
        {{"--precision", "9"}, "SET PRECISION 9"},
        {{"--port", "20"}, "SET COM20"},
        {{"--terminate"}, "terminate"},
    };
    for (const Case& c : cases) {
        auto p = parsed(c.args);
        ASSERT_EQ(p.action, ParsedArguments::Action::Run) << c.args[0] << ": " << p.problem;
        EXPECT_EQ(p.options.text, c.text) << c.args[0];
    }
}

TEST(HalvaneCmdArguments, ReadTheWaitAndStartOptions) {
    auto p = parsed({"--timeout", "0.25", "--poll", "3", "0"});
    ASSERT_EQ(p.action, ParsedArguments::Action::Run) << p.problem;
    EXPECT_EQ(p.options.timeout, 250ms);
    EXPECT_TRUE(p.options.poll);
    EXPECT_FALSE(p.options.start);
    EXPECT_EQ(parsed({"3", "0"}).options.timeout, 60s);

    // The driver's own arguments often begin with "--": they are taken as values.
    p = parsed({"--driver-arg", "--settings-dir", "--driver-arg=/tmp/s", "--status"});
    ASSERT_EQ(p.action, ParsedArguments::Action::Run) << p.problem;
    EXPECT_TRUE(p.options.start);
    EXPECT_EQ(p.options.driverArguments, (Args{"--settings-dir", "/tmp/s"}));
    EXPECT_EQ(parsed({"--driver", "/opt/Halvane", "--status"}).options.driverProgram,
              "/opt/Halvane");

    EXPECT_EQ(parsed({"--help"}).action, ParsedArguments::Action::Help);
    EXPECT_EQ(parsed({"3", "0", "-h"}).action, ParsedArguments::Action::Help);
    EXPECT_EQ(parsed({"--version"}).action, ParsedArguments::Action::Version);
    EXPECT_EQ(parsed({"--list-ports"}).action, ParsedArguments::Action::ListPorts);
    EXPECT_EQ(parsed({"--list-ports=x"}).action, ParsedArguments::Action::Usage);
}

TEST(HalvaneCmdArguments, ReadTheOutputRepeatAndCheckOptions) {
    auto p = parsed({"--labels", "3", "0"});
    EXPECT_EQ(p.options.style, OutputStyle::Labels);
    EXPECT_FALSE(p.options.repeating);
    EXPECT_EQ(parsed({"--json", "3", "0"}).options.style, OutputStyle::Json);
    EXPECT_EQ(parsed({"3", "0"}).options.style, OutputStyle::Lines);

    p = parsed({"--repeat", "5", "--interval", "0.5", "3", "0"});
    ASSERT_EQ(p.action, ParsedArguments::Action::Run) << p.problem;
    EXPECT_TRUE(p.options.repeating);
    EXPECT_EQ(p.options.repeat, 5);
    EXPECT_EQ(p.options.interval, 500ms);
    // --watch, and an interval alone, repeat until Ctrl-C.
    for (const Args& args : {Args{"--watch", "3", "0"}, Args{"--interval=2", "--status"}}) {
        p = parsed(args);
        ASSERT_EQ(p.action, ParsedArguments::Action::Run) << p.problem;
        EXPECT_TRUE(p.options.repeating) << args[0];
        EXPECT_EQ(p.options.repeat, 0) << args[0];
    }
    EXPECT_EQ(parsed({"--watch", "3", "0"}).options.interval, 1s);

    EXPECT_TRUE(parsed({"3", "0"}).options.check);
    EXPECT_FALSE(parsed({"--no-check", "3", "0"}).options.check);
    p = parsed({"--list-units", "--table", "/t.ddf"});
    EXPECT_EQ(p.action, ParsedArguments::Action::ListUnits);
    EXPECT_EQ(p.options.tableFile, "/t.ddf");
    EXPECT_EQ(parsed({"--list-commands"}).action, ParsedArguments::Action::ListCommands);
}

TEST(HalvaneCmdArguments, RefuseWhatCannotBeSentAsMeant) {
    struct Case {
        Args args;
        std::string problem;  // a part of the message
    };
    const Case cases[] = {
        {{}, "nothing to execute"},
        {{"3"}, "needs the command number and the polling address"},
        {{"3", "0", "--status"}, "not several"},
        {{"--status", "--port", "3"}, "not several"},
        // ";;" inside an argument would shift every argument after it in the driver.
        {{"17", "0", "TAG;;X"}, "contains \";;\""},
        {{"17", "0", "a\nb"}, "contains a line end"},
        {{"17", "0", "a\rb"}, "contains a line end"},
        {{"--line", ""}, "--line needs a text"},
        {{"--line"}, "--line needs a value"},
        {{"--set", "tertiary"}, "--set takes primary"},
        {{"--precision", "7"}, "--precision takes 6 or 9"},
        {{"--port", "21"}, "from 1 to 20"},
        {{"--port", "0"}, "from 1 to 20"},
        {{"--port", "COM3"}, "from 1 to 20"},
        {{"--timeout", "0", "3", "0"}, "--timeout takes"},
        {{"--timeout", "-1", "3", "0"}, "--timeout takes"},
        {{"--timeout", "soon", "3", "0"}, "--timeout takes"},
        {{"--timeout", "nan", "3", "0"}, "--timeout takes"},
        {{"--terminate", "--start"}, "do not go together"},
        {{"--status=yes"}, "takes no value"},
        {{"-x", "3", "0"}, "unknown option -x"},
        {{"-1", "0"}, "unknown option -1"},
        {{"--line", std::string(64 * 1024 + 1, 'x')}, "longer than the limit"},
        {{"--labels", "--json", "3", "0"}, "do not go together"},
        {{"--repeat", "0", "3", "0"}, "--repeat takes a number of times from 1"},
        {{"--repeat", "2", "--watch", "3", "0"}, "do not go together"},
        {{"--interval", "0", "3", "0"}, "--interval takes"},
        {{"--watch", "--terminate"}, "--terminate cannot be repeated"},
        {{"--list-units", "3", "0"}, "give --list-units alone"},
        {{"--list-units", "--list-commands"}, "give --list-units alone"},
        {{"--table", "", "--list-units"}, "--table needs a file"},
    };
    for (const Case& c : cases) {
        auto p = parsed(c.args);
        std::string shown = c.args.empty() ? "(none)" : c.args[0].substr(0, 20);
        ASSERT_EQ(p.action, ParsedArguments::Action::Usage) << shown;
        EXPECT_NE(p.problem.find(c.problem), std::string::npos) << shown << ": " << p.problem;
    }
}

}  // namespace
}  // namespace halvanecmd
