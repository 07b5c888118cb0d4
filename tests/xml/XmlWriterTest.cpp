#include <gtest/gtest.h>

#include "report/xml/XmlWriter.h"
#include "support/FailingFile.h"
#include "support/TempFolder.h"

namespace ferrolin {
namespace {

using test::FailingFile;
using test::ReadFileBytes;
using test::TempFolder;

class XmlWriterTest : public ::testing::Test {
protected:
    std::string Written() { return ReadFileBytes(m_folder.Path() / "r.xml"); }
    std::string Path() { return m_folder.WindowsPath("r.xml"); }

    TempFolder m_folder;
    CFile m_file;
    CXmlWriter m_writer;
};

TEST_F(XmlWriterTest, WritesOneCompleteLinePerCall) {
    m_writer.Open(&m_file, Path());
    EXPECT_TRUE(m_writer.WriteStartTag("REPORT", 0));
    EXPECT_TRUE(m_writer.WriteStartTag("Assets", 3, XmlAttr{"Label", "A&B"}));
    EXPECT_TRUE(m_writer.WriteElement("GrossProfit", "", 6, XmlAttr{"Label", "x'y"},
                                      XmlAttr{"Amount", ""}));
    EXPECT_TRUE(m_writer.WriteElement("Item", "12<3>", 1, XmlAttr{"Label", "\"q\""}));
    EXPECT_TRUE(m_writer.WriteStartTag("Only", -2, std::nullopt, XmlAttr{"Label", "ignored"}));
    EXPECT_TRUE(m_writer.WriteElement("a&b", "\x95\x5C", 0));  // names pass unescaped
    EXPECT_TRUE(m_writer.WriteEndTag("REPORT", 0));
    m_writer.Close();
    EXPECT_EQ(Written(),
              "<REPORT>\r\n"
              "\t\t\t<Assets Label=\"A&amp;B\">\r\n"
              "\t\t\t\t\t\t<GrossProfit Label=\"x&apos;y\" Amount=\"\"></GrossProfit>\r\n"
              "\t<Item Label=\"&quot;q&quot;\">12&lt;3&gt;</Item>\r\n"
              "<Only>\r\n"
              "<a&b>\x95\x5C</a&b>\r\n"
              "</REPORT>\r\n");
}

TEST_F(XmlWriterTest, LongValuesAreWrittenWhole) {
    const std::string text(1000, 'x');
    m_writer.Open(&m_file, Path());
    EXPECT_TRUE(m_writer.WriteElement("Line", text, 4));
    m_writer.Close();
    EXPECT_EQ(Written(), "\t\t\t\t<Line>" + text + "</Line>\r\n");
}

TEST_F(XmlWriterTest, AfterAFailedWriteNothingMoreReachesTheFile) {
    for (int failAt = 1; failAt <= 4; ++failAt) {
        FailingFile file(failAt);
        CXmlWriter writer;
        writer.Open(&file, Path());
        int succeeded = 0;
        for (int i = 0; i < 4; ++i) succeeded += writer.WriteEndTag("A", 0) ? 1 : 0;
        EXPECT_EQ(succeeded, failAt - 1);
        EXPECT_FALSE(file.IsOpen());  // the writer closed it
        EXPECT_FALSE(writer.WriteRaw("x"));
        std::string expected;
        for (int i = 1; i < failAt; ++i) expected += "</A>\r\n";
        EXPECT_EQ(Written(), expected) << failAt;
    }
}

TEST_F(XmlWriterTest, AFullDeviceFailsTheWrite) {
    m_writer.Open(&m_file, "Z:\\dev\\full");
    EXPECT_FALSE(m_writer.WriteRaw("<?xml?>\r\n"));
    EXPECT_FALSE(m_writer.WriteEndTag("REPORT", 0));
}

TEST_F(XmlWriterTest, AFileThatCannotBeMadeFailsEveryWrite) {
    m_writer.Open(&m_file, m_folder.WindowsPath("missing\\r.xml"));
    EXPECT_FALSE(m_writer.WriteStartTag("REPORT", 0));
    m_writer.Close();
    m_writer.Close();  // closing a closed writer does nothing
}

}  // namespace
}  // namespace ferrolin
