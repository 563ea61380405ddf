#include "tools/halvane-cmd/LocalCheck.h"

#include <gtest/gtest.h>

#include "tools/halvane-cmd/ClosestNames.h"

namespace halvanecmd {
namespace {

class LocalCheckTest : public ::testing::Test {
  protected:
    CheckResult check(std::string_view line) { return checkCommandLine(line, m_context); }

    hart::CodeTables m_tables{HALVANE_TABLE_FILE};  // the shipped table: kPa is unit 12
    platform::UserLocale m_locale;                  // M/d/yyyy
    hart::CoreContext m_context{m_tables, m_locale};
};

TEST_F(LocalCheckTest, PassesWhatTheDriverSends) {
    for (std::string_view line :
         {"3\r\n0\r\n", "0;;5", "35;;1;;kPa;;100;;0", "35;;1;;12;;1,5;;-2e3", "44;;1;;degC",
          "47;;1;;Square Root", "18;;1;;TAG;;DESC;;12/24/2018", "18;;1;;TAG;;DESC;;",
          "58;;1;;  UNIT-7  ;;COOLING;;24.12.2018", "255;;1;;R128B|B;;7", "255;;1;;Q003",
          "128;;1"}) {
        const CheckResult result = check(line);
        EXPECT_FALSE(result.refusal) << line << ": " << result.refusal->reason;
        EXPECT_TRUE(result.notes.empty()) << line << ": " << result.notes.front();
    }
}

TEST_F(LocalCheckTest, SaysWhyTheDriverWouldRefuse) {
    struct Case {
        std::string_view line;
        std::string_view command;  // as the driver's "Command Error!" would show it
        std::string_view address;
        std::string_view reason;
    };
    const Case cases[] = {
        {"4;;1", "4", "1", "command 4 is not one the driver sends"},
        {"3.5;;1", "3.5", "1", "the command number \"3.5\" is no whole number from 0 to 255"},
        {"SET COM21", "SET COM21", "0", "\"SET COM21\" is neither a control command"},
        {"3;;x", "3", "x", "the polling address \"x\" is no number from 0 to 64"},
        {"3;;65", "3", "65",
         "polling address 65 is out of range: the driver polls addresses 0 to 64"},
        // Unit names as the table spells them, with the closest names offered.
        {"35;;1;;kpa;;100;;0", "35", "1",
         "argument 1 (Range unit): there is no unit \"kpa\"; did you mean kPa?"},
        {"44;;1;;degc", "44", "1",
         "argument 1 (PV unit): there is no unit \"degc\"; did you mean degC?"},
        {"44;;1;;furlongs", "44", "1",
         "argument 1 (PV unit): there is no unit \"furlongs\" (halvane-cmd --list-units lists "
         "them)"},
        {"44;;1;;255", "44", "1", "argument 1 (PV unit): code 255 means no unit"},
        {"44;;1;;300", "44", "1", "argument 1 (PV unit): \"300\" is no unit code (0 to 254)"},
        {"47;;1;;square root", "47", "1", "did you mean Square Root?"},
        // Numbers that do not read, values out of their range, arguments left out.
        {"35;;1;;kPa;;x;;0", "35", "1", "argument 2 (Upper range value): \"x\" is no number"},
        {"35;;1;;kPa;;1e39;;0", "35", "1", "\"1e39\" is too large or too small for a HART float"},
        {"35;;1;;kPa;;100", "35", "1", "argument 3 (Lower range value): missing"},
        {"6;;1;;300", "6", "1",
         "argument 1 (New polling address): \"300\" is no whole number from 0 to 255"},
        {"19;;1;;16777216", "19", "1", "\"16777216\" does not fit 3 bytes (0 to 16777215)"},
        {"18;;1;;T;;D;;31/12/2018", "18", "1",
         "\"31/12/2018\" is no date in this computer's short date format (M/d/yyyy)"},
        {"58;;1;;UNIT-7;;D;;24.12", "58", "1",
         "argument 3 (Date): \"24.12\" is no date of the form day.month.year"},
        {"58;;1;;LONG-UNIT-TAG;;D;;1.1.2000", "58", "1",
         "\"LONG-UNIT-TAG\" has 13 characters; at most 8 fit"},
        // Every argument at fault is named.
        {"65;;1;;x;;y;;20;;4", "65", "1",
         "argument 1 (Analog channel): \"x\" is no whole number "
         "from 0 to 255; argument 2 (Range unit): there is no unit \"y\""},
        // The generic command: its format text first, then the values its request items take.
        // Its refusal shows the command of the format text, as the driver's does.
        {"255;;1;;R12", "12", "1",
         "characters 2 to 4 of the format text must be the command number"},
        {"255;;1;;R128B", "128", "1", "needs a \"|\" after the command number"},
        {"255;;1;;R128B|A33;;1", "128", "1", "\"A\" at character 7 of the format text is no item"},
        {"255;;1;;R128A32A09|B;;x;;y", "128", "1",
         "the request items make 41 bytes; a request holds at most 40"},
        {"255;;1;;R1283B|B;;1", "128", "1", "a digit in the request format belongs to no item"},
        {"255;;1;;R128BF|B;;7;;x", "128", "1",
         "argument 3 (value 2, float item): \"x\" is no number"},
        {"255;;1;;R128U|B;;0", "128", "1", "argument 2 (value 1, unit item): code 0 means no unit"},
        {"255;;1;;R128L2|B;;70000", "128", "1", "\"70000\" does not fit 2 bytes (0 to 65535)"},
    };
    for (const Case& c : cases) {
        const CheckResult result = check(c.line);
        ASSERT_TRUE(result.refusal) << c.line;
        EXPECT_EQ(result.refusal->command, c.command) << c.line;
        EXPECT_EQ(result.refusal->address, c.address) << c.line;
        EXPECT_NE(result.refusal->reason.find(c.reason), std::string::npos)
            << c.line << ": " << result.refusal->reason;
    }
}

TEST_F(LocalCheckTest, PointsOutArgumentsTheDriverIgnores) {
    CheckResult result = check("3;;1;;5");
    ASSERT_FALSE(result.refusal);
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_NE(result.notes[0].find("the driver ignores argument 1 (\"5\"): command 3 (Read Dynamic "
                                   "Variables and Loop Current) takes no arguments"),
              std::string::npos)
        << result.notes[0];
    // The generic command takes one value for each request item after its format text.
    result = check("255;;1;;R128B|B;;7;;8");
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_NE(result.notes[0].find("argument 3 (\"8\")"), std::string::npos) << result.notes[0];
    EXPECT_NE(result.notes[0].find("takes 2 arguments"), std::string::npos) << result.notes[0];
}

TEST(ClosestNames, OffersTheNamesOneSlipAway) {
    const std::vector<std::string> units = {"Pa",  "kPa",  "MPa",  "psi",
                                            "bar", "mbar", "degC", "degF"};
    EXPECT_EQ(closestNames("kpa", units), (std::vector<std::string>{"kPa"}));  // letter case only
    EXPECT_EQ(closestNames("mpa", units), (std::vector<std::string>{"MPa"}));
    EXPECT_EQ(closestNames("psig", units), (std::vector<std::string>{"psi"}));
    EXPECT_EQ(closestNames("degK", units), (std::vector<std::string>{"degC", "degF"}));
    EXPECT_EQ(closestNames("hPa", units), (std::vector<std::string>{"Pa", "kPa", "MPa"}));
    EXPECT_TRUE(closestNames("furlongs", units).empty());
    EXPECT_EQ(orList({"a", "b", "c"}), "a, b or c");
}

}  // namespace
}  // namespace halvanecmd
