#include "tools/halvane-cmd/ReplyOutput.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sstream>

#include "support/TempDir.h"
#include "tools/halvane-cmd/JsonText.h"

namespace halvanecmd {
namespace {

const std::string kTime = "2024-05-01T12:00:00.000+02:00";

// Replies as the driver serves them, with the command lines that asked for them.
struct Reply {
    std::string executed;
    Lines lines;
};
const Reply kIdentity{
    "0\r\n1\r\n",
    {"0", "1", "", "Cold Start! ", "Maker A", "Model X", "5", "7", "1", "1", "8", "0", "658188"}};
const Reply kDynamic{
    "3\r\n1\r\n",
    {"3", "1", "", "", "12.5", "kPa", "101.668", "degC", "23", "degC", "28.5", "bar", "1.2"}};
const Reply kTagDate{"13\r\n2\r\n", {"13", "2", "", "", "TT-102", "", "1/1/2024"}};
const Reply kAdditionalStatus{
    "48\r\n1\r\n",
    {"48", "1", "", "", "0", "513", "0", "0", "0", "0", "256", "0", "0", "0", "0", "0", "7"}};
// The generic command shows the command its format text sent.
const Reply kTemplate{"255\r\n1\r\nR128B|FUA04\r\n7\r\n",
                      {"128", "1", "", "", "12.5", "kPa", "x\xB3y"}};
const Reply kInvalidSelection{"6\r\n1\r\n9\r\n", {"6", "1", "Invalid Selection!", "", "4"}};

class ReplyOutputTest : public ::testing::Test {
  protected:
    std::string print(const Reply& reply, OutputStyle style, const std::string& refusal = {}) {
        std::ostringstream out;
        ReplyPrinter printer(out, style, false, m_tables);
        printer.print({reply.lines, reply.executed, kTime, refusal});
        return out.str();
    }
    QJsonObject json(const Reply& reply, const std::string& refusal = {}) {
        const std::string text = print(reply, OutputStyle::Json, refusal);
        EXPECT_EQ(text.back(), '\n');
        EXPECT_EQ(text.find('\n'), text.size() - 1) << "one object on one line";
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError)
            << error.errorString().toStdString() << text;
        return doc.object();
    }

    hart::CodeTables m_tables{HALVANE_TABLE_FILE};
};

TEST_F(ReplyOutputTest, LabelsNameEveryLineAndJoinValuesWithTheirUnits) {
    struct Case {
        const Reply& reply;
        std::string labels;
    };
    const Case cases[] = {
        {kIdentity,
         "Command: 0 (Read Unique Identifier)\nPolling address: 1\nResponse: OK\n"
         "Device status: Cold Start!\nManufacturer: Maker A\nDevice type: Model X\nPreambles: 5\n"
         "HART revision: 7\nDevice revision: 1\nSoftware revision: 1\nHardware revision: 8\n"
         "Flags: 0\nDevice ID: 658188\n"},
        {kDynamic,
         "Command: 3 (Read Dynamic Variables and Loop Current)\nPolling address: 1\n"
         "Response: OK\nDevice status: none\nLoop current: 12.5 mA\nPV: 101.668 kPa\n"
         "SV: 23 degC\nTV: 28.5 degC\nQV: 1.2 bar\n"},
        // An empty field keeps its name.
        {kTagDate,
         "Command: 13 (Read Tag, Descriptor, Date)\nPolling address: 2\nResponse: OK\n"
         "Device status: none\nTag: TT-102\nDescriptor:\nDate: 1/1/2024\n"},
        {kAdditionalStatus,
         "Command: 48 (Read Additional Device Status)\nPolling address: 1\nResponse: OK\n"
         "Device status: none\nStatus bytes 0-1: 0\nStatus bytes 2-3: 513\nStatus bytes 4-5: 0\n"
         "Status bytes 6-7: 0\nStatus bytes 8-9: 0\nStatus bytes 10-11: 0\n"
         "Status bytes 12-13: 256\nStatus bytes 14-15: 0\nStatus bytes 16-17: 0\n"
         "Status bytes 18-19: 0\nStatus bytes 20-21: 0\nStatus bytes 22-23: 0\n"
         "Status byte 24: 7\n"},
        {kTemplate,
         "Command: 128 (Device-specific command)\nPolling address: 1\nResponse: OK\n"
         "Device status: none\nFloat 1: 12.5\nUnit 2: kPa\nText 3: x\xB3y\n"},
        {kInvalidSelection,
         "Command: 6 (Write Polling Address)\nPolling address: 1\nResponse: Invalid Selection!\n"
         "Device status: none\nReplies delivered: 4\n"},
        {{"4\r\n1\r\n", {"4", "1", "Command Error!"}},
         "Command: 4\nPolling address: 1\nResponse: Command Error!\n"},
        {{"STATUS", {"COM1", "", "", "Secondary Master", "9 digits"}},
         "Port: COM1\nModem: RQ-10\nMaster: Secondary Master\nFloat digits: 9 digits\n"},
        // Lines beyond the named ones are numbered.
        {{"50\r\n1\r\n", {"50", "1", "", "", "0", "1", "2", "3", "4"}},
         "Command: 50 (Read Dynamic Variable Assignments)\nPolling address: 1\nResponse: OK\n"
         "Device status: none\nPV variable: 0\nSV variable: 1\nTV variable: 2\nQV variable: 3\n"
         "Line 9: 4\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(print(c.reply, OutputStyle::Labels), c.labels) << c.reply.executed;
    // The plain style prints the lines as served.
    EXPECT_EQ(print(kTagDate, OutputStyle::Lines), "13\n2\n\n\nTT-102\n\n1/1/2024\n");
}

TEST_F(ReplyOutputTest, JsonHasTheFieldsByNameAndTheLines) {
    QJsonObject o = json(kDynamic);
    EXPECT_EQ(o["time"].toString().toStdString(), kTime);
    EXPECT_EQ(o["command"].toInt(), 3);
    EXPECT_EQ(o["command_name"].toString(), "Read Dynamic Variables and Loop Current");
    EXPECT_EQ(o["address"].toInt(), 1);
    EXPECT_EQ(o["outcome"].toString(), "reply");
    EXPECT_EQ(o["response"].toString(), "");
    EXPECT_EQ(o["response_code"].toInt(), 0);
    EXPECT_EQ(o["response_kind"].toString(), "success");
    const QJsonObject fields = o["fields"].toObject();
    EXPECT_EQ(fields.keys(), (QStringList{"loop_current", "pv", "pv_unit", "qv", "qv_unit", "sv",
                                          "sv_unit", "tv", "tv_unit"}));
    EXPECT_EQ(fields["pv"].toString(), "101.668");
    EXPECT_EQ(fields["pv_unit"].toString(), "kPa");
    EXPECT_EQ(o["lines"].toArray().size(), 13);
    EXPECT_EQ(o["lines"].toArray()[6].toString(), "101.668");

    o = json(kIdentity);
    EXPECT_EQ(o["status"].toString(), "Cold Start!");
    EXPECT_EQ(o["fields"].toObject()["device_id"].toString(), "658188");
    EXPECT_EQ(o["fields"].toObject()["hart_revision"].toString(), "7");

    o = json(kTagDate);
    EXPECT_EQ(o["fields"].toObject()["descriptor"].toString(), "");

    o = json(kAdditionalStatus);
    EXPECT_EQ(o["fields"].toObject().size(), 13);
    EXPECT_EQ(o["fields"].toObject()["status_bytes_2_3"].toString(), "513");

    // One-byte text is read as Latin-1.
    o = json(kTemplate);
    EXPECT_EQ(o["command"].toInt(), 128);
    EXPECT_EQ(o["fields"].toObject()["float_1"].toString(), "12.5");
    EXPECT_EQ(o["fields"].toObject()["text_3"].toString(), QString::fromUtf8("x\u00B3y"));

    o = json(kInvalidSelection);
    EXPECT_EQ(o["response_code"].toInt(), 2);
    EXPECT_EQ(o["response_kind"].toString(), "error");
    EXPECT_EQ(o["replies_delivered"].toInt(), 4);

    // A refusal says whether the line was sent and, when refused here, why.
    o = json({"35\r\n1\r\nkpa\r\n", {"35", "1", "Command Error!"}}, "there is no unit \"kpa\"");
    EXPECT_EQ(o["outcome"].toString(), "command error");
    EXPECT_EQ(o["sent"].toBool(), false);
    EXPECT_EQ(o["reason"].toString(), "there is no unit \"kpa\"");
    o = json({"3\r\n7\r\n", {"0", "7", "Communication Error!"}});
    EXPECT_EQ(o["outcome"].toString(), "communication error");
    EXPECT_EQ(o["sent"].toBool(), true);
    EXPECT_FALSE(o.contains("reason"));

    o = json({"STATUS", {"COM3", "", "RQ-20", "Primary Master", "6 digits"}});
    EXPECT_EQ(o["outcome"].toString(), "status");
    EXPECT_EQ(o["port"].toString(), "COM3");
    EXPECT_EQ(o["modem"].toString(), "RQ-20");
    EXPECT_EQ(o["precision"].toInt(), 6);
}

TEST(JsonText, EveryByteIsItsLatin1Character) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string json = "[" + jsonString(all) + "]";
    for (char c : json)
        EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20) << "control characters are escaped";
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QString parsed = doc.array()[0].toString();
    ASSERT_EQ(parsed.size(), 256);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(parsed[b].unicode(), b) << "byte " << b;
    EXPECT_EQ(jsonString("a\"b\\c\n\x01\x7F\xE9"), "\"a\\\"b\\\\c\\n\\u0001\\u007f\xC3\xA9\"");
}

TEST(ResponseClass, ErrorsWarningsAndSuccessFromTheTableTexts) {
    testsupport::TempDir dir;
    // A table may reword a text: the code is found from the table the driver uses.
    const hart::CodeTables tables(dir.write("t.ddf", "[Messages]\n8=Nearest value taken\n"));
    struct Case {
        std::string text;
        ResponseClass::Kind kind;
        std::optional<int> code;
    };
    const Case cases[] = {
        {"", ResponseClass::Kind::Success, 0},
        {"Nearest value taken", ResponseClass::Kind::Warning, 8},
        {"Error #14, See Help File!", ResponseClass::Kind::Warning, 14},
        {"Passed Parameter too Large!", ResponseClass::Kind::Error, 3},
        {"Invalid Range Units Code", ResponseClass::Kind::Error, 28},
        {"Command Not Supported", ResponseClass::Kind::Error, 64},
        {"Something else", ResponseClass::Kind::Error, std::nullopt},
    };
    for (const Case& c : cases) {
        const ResponseClass r = classifyResponse(c.text, tables);
        EXPECT_EQ(r.kind, c.kind) << c.text;
        EXPECT_EQ(r.code, c.code) << c.text;
    }
}

}  // namespace
}  // namespace halvanecmd
