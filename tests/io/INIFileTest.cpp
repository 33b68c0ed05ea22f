#include "io/INIFile.h"
#include "support/VeltraneError.h"
#include "FileSizeLimit.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QUuid>

#include <cerrno>
#include <cmath>
#include <limits>

namespace {

// Reads bytes as a file would hold them; the document must read without error.
INIFile ReadBytes(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("read.ini");
    EXPECT_TRUE(WriteFileBytes(name, bytes));
    INIFile ini;
    EXPECT_TRUE(ini.ReadFile(name));
    return ini;
}

// What the document writes, as bytes.
QByteArray Written(INIFile &ini)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("written.ini");
    EXPECT_TRUE(ini.WriteFile(name)) << ini.LastErrorDescription().toStdString();
    return FileBytes(name);
}

QString NumericForm(double value)
{
    INIFile ini;
    ini.AddNumericParameter("Value", value);
    return ini.GetParameterValue("", "Value", "(missing)");
}

std::optional<double> NumericReading(const QString &value)
{
    INIFile ini;
    ini.UseSection("S");
    ini.AddParameter("Value", value);
    return ini.GetNumericParameterValue("S", "Value");
}

} // namespace

TEST(INIFile, BuiltDocumentIsWrittenLineForLine)
{
    INIFile ini;
    ini.AddComment("");
    ini.AddComment("x");
    ini.UseSection("Topic");
    ini.AddParameter("Name", "A");
    ini.AddParameter("TotalOptions", "2");
    EXPECT_EQ(Written(ini), ";\r\n; x\r\n\r\n[Topic]\r\nName=A\r\nTotalOptions=2\r\n\r\n");
    EXPECT_EQ(ini.LastErrorNumber(), 0);
}

TEST(INIFile, NothingIsWrittenForBlankLinesBeforeTheFirstParameterOrComment)
{
    INIFile empty;
    EXPECT_EQ(empty.Text(), "");

    INIFile ini;
    ini.AddBlankLine();
    ini.AddBlankLine();
    ini.UseSection("Empty");
    ini.AddBlankLine();
    ini.UseSection("Topic");
    ini.AddParameter("Name", "A");
    ini.AddBlankLine();
    ini.AddComment(" ");
    EXPECT_EQ(ini.Text(), "[Empty]\r\n[Topic]\r\nName=A\r\n\r\n;\r\n\r\n");
}

TEST(INIFile, ParametersAreTrimmedButCommentsAreNot)
{
    INIFile ini;
    ini.AddParameter("  Key ", " v ", "note");
    ini.AddParameter("Other", "w", " two  ");
    EXPECT_EQ(ini.Text(), "Key=v ; note\r\nOther=w ;  two  \r\n\r\n");

    INIFile read = ReadBytes("Key=v ; note\r\n");
    EXPECT_EQ(read.GetParameterValue("", "Key"), "v");
    EXPECT_EQ(read.Text(), "Key=v ; note\r\n\r\n");
}

TEST(INIFile, ReadingSplitsKeyValueAndComment)
{
    INIFile ini = ReadBytes("Key=a=b\r\nCut=a;b\r\nFlag\r\n;comment\r\n  Spaced  =  x y  \r\nTab=\tv\r\n");
    EXPECT_EQ(ini.GetParameterValue("", "Key"), "a=b");
    EXPECT_EQ(ini.GetParameterValue("", "Cut"), "a");
    EXPECT_EQ(ini.GetParameterValue("", "Flag", "default"), "");
    EXPECT_EQ(ini.GetParameterValue("", "Spaced"), "x y");
    EXPECT_EQ(ini.GetParameterValue("", "Tab"), "\tv");
    EXPECT_EQ(Written(ini), "Key=a=b\r\nCut=a ; b\r\nFlag=\r\n; comment\r\nSpaced=x y\r\nTab=\tv\r\n\r\n");
}

TEST(INIFile, CommentLinesKeepAllButOneLeadingBlank)
{
    INIFile ini = ReadBytes(";\r\n;  two\r\n; one\r\n   ; indented\r\n");
    EXPECT_EQ(ini.Text(), ";\r\n;  two\r\n; one\r\n; indented\r\n\r\n");
}

TEST(INIFile, RepeatedHeadersContinueOneSectionFoundWithoutRegardToCase)
{
    INIFile ini = ReadBytes("[Topic]\r\nName=A\r\n[Other]\r\nX=1\r\n[ topic ]\r\nTitle=T\r\n");
    EXPECT_EQ(ini.CountSections(), 2);
    EXPECT_EQ(ini.GetParameterValue("topic", "NAME"), "A");
    EXPECT_EQ(ini.GetParameterValue(" TOPIC ", " title "), "T");
    EXPECT_EQ(ini.Text(), "[Topic]\r\nName=A\r\nTitle=T\r\n\r\n[Other]\r\nX=1\r\n\r\n");
}

TEST(INIFile, HeaderTakesEverythingBetweenItsFirstAndLastCharacter)
{
    INIFile ini = ReadBytes("[Topic] ; note\r\nA=1\r\n[]\r\nB=2\r\n[x\r\nC=3\r\n");
    EXPECT_EQ(ini.GetParameterValue("Topic] ; not", "A"), "1");
    EXPECT_EQ(ini.GetParameterValue("", "B"), "2");
    EXPECT_EQ(ini.GetParameterValue("", "C"), "3");
}

TEST(INIFile, BlankLinesAtTheEndOfEverySectionBecomeItsClosingLine)
{
    const QByteArray file = "\r\n\r\n[A]\r\nk=v\r\n\r\n\r\nj=w\r\n\r\n\r\n\r\n[B]\r\n\r\n\r\n[C]\r\nc=1";
    INIFile ini = ReadBytes(file);
    const QByteArray once = Written(ini);
    EXPECT_EQ(once, "[A]\r\nk=v\r\n\r\n\r\nj=w\r\n\r\n[B]\r\n\r\n[C]\r\nc=1\r\n\r\n");
    INIFile again = ReadBytes(once);
    EXPECT_EQ(Written(again), once);
}

TEST(INIFile, LookupsFindTheFirstKeyOrTheDefault)
{
    INIFile ini;
    ini.UseSection("S");
    ini.AddParameter("Key", "first");
    ini.AddParameter("key", "second");
    ini.AddParameter("Empty", "");
    EXPECT_EQ(ini.GetParameterValue("S", "KEY"), "first");
    EXPECT_EQ(ini.GetParameterValue("S", "Empty", "default"), "");
    EXPECT_EQ(ini.GetParameterValue("S", "Missing", "default"), "default");
    EXPECT_EQ(ini.GetParameterValue("T", "Key", "default"), "default");
    EXPECT_EQ(ini.GetParameterValue("S", "", "default"), "default");
    EXPECT_EQ(ini.GetParameterValue("S", "  ", "default"), "default");
    EXPECT_EQ(ini.GetParameterValue("S", "Missing"), "");
}

TEST(INIFile, CountSectionsCountsTheUnnamedOneOnlyWithAParameter)
{
    INIFile ini;
    EXPECT_EQ(ini.CountSections(), 0);
    ini.AddComment("c");
    ini.UseSection("A");
    ini.UseSection("a");
    EXPECT_EQ(ini.CountSections(), 1);
    ini.UseSection("");
    ini.AddParameter("k", "v");
    EXPECT_EQ(ini.CountSections(), 2);
    ini.Reset();
    EXPECT_EQ(ini.CountSections(), 0);
    EXPECT_EQ(ini.Text(), "");
}

TEST(INIFile, NumericFormWritesIntegersPlainAndDecimalsWithAPoint)
{
    EXPECT_EQ(NumericForm(0), "0");
    EXPECT_EQ(NumericForm(-0.0), "0");
    EXPECT_EQ(NumericForm(1), "1");
    EXPECT_EQ(NumericForm(0.5), "0.5");
    EXPECT_EQ(NumericForm(0.123), "0.123");
    EXPECT_EQ(NumericForm(2.75), "2.75");
    EXPECT_EQ(NumericForm(-0.5), "-0.5");
    EXPECT_EQ(NumericForm(-2.25), "-2.25");
    EXPECT_EQ(NumericForm(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(NumericForm(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumericForm(0.99999999999999994), "1");
    EXPECT_EQ(NumericForm(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(NumericForm(std::numeric_limits<double>::infinity()), "");
}

TEST(INIFile, NumericFormOutsideTheSixteenBitRangeAndBelowOneTenThousandth)
{
    EXPECT_EQ(NumericForm(32767), "32767");
    EXPECT_EQ(NumericForm(-32768), "-32768");
    EXPECT_EQ(NumericForm(40000), "40000");
    EXPECT_EQ(NumericForm(-40000.25), "-40000.25");
    EXPECT_EQ(NumericForm(32767.5), "32767.5");
    EXPECT_EQ(NumericForm(0.00001), "0.00001");
    EXPECT_EQ(NumericForm(0.0000123), "0.0000123");
}

TEST(INIFile, NumericFormIgnoresTheUsersLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(NumericForm(0.5), "0.5");
    EXPECT_EQ(NumericForm(1234.5), "1234.5");
    QLocale::setDefault(QLocale::c());
}

TEST(INIFile, NumericReadingAcceptsEitherSeparator)
{
    EXPECT_EQ(NumericReading("0.5"), 0.5);
    EXPECT_EQ(NumericReading("0,5"), 0.5);
    EXPECT_EQ(NumericReading("1"), 1);
    EXPECT_EQ(NumericReading("1,25"), 1.25);
    EXPECT_EQ(NumericReading("-0,5"), -0.5);
    EXPECT_EQ(NumericReading("-2.75"), -2.75);
    EXPECT_EQ(NumericReading("0.05"), 0.05);
    EXPECT_EQ(NumericReading("0.1"), 0.1);
    EXPECT_EQ(NumericReading("+3"), 3);
    EXPECT_EQ(NumericReading("007"), 7);
    EXPECT_EQ(NumericReading("0.333333333333333"), 0.333333333333333);
    // Beyond a double's range: too large is infinite, not 0; too small is 0.
    EXPECT_EQ(NumericReading("1" + QString(400, u'0')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(NumericReading("-1" + QString(400, u'0') + ".5"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(NumericReading("0." + QString(400, u'0') + "1"), 0);
}

TEST(INIFile, NumericReadingRejectsEverythingElse)
{
    for (const char *text : {"abc", "1.2.3", "1,2.3", "", ".5", "5.", "1e3", "0x10", "1 000", "0.-5", "-", "- 5", "0.5x"})
        EXPECT_FALSE(NumericReading(text).has_value()) << text;
}

TEST(INIFile, NumericDefaultsApplyOnlyToMissingKeys)
{
    INIFile ini;
    ini.UseSection("S");
    ini.AddParameter("Text", "abc");
    EXPECT_EQ(ini.GetNumericParameterValue("S", "Missing", "0,25"), 0.25);
    EXPECT_EQ(ini.GetNumericParameterValue("S", "Missing", 0.75), 0.75);
    EXPECT_FALSE(ini.GetNumericParameterValue("S", "Missing").has_value());
    EXPECT_FALSE(ini.GetNumericParameterValue("S", "Text", 0.75).has_value());
    EXPECT_FALSE(ini.GetNumericParameterValue("S", "Text", "1").has_value());
    // A braced empty default is the empty text: no number.
    EXPECT_FALSE(ini.GetNumericParameterValue("S", "Missing", {}).has_value());
    EXPECT_EQ(ini.GetNumericParameterValue("S", "Missing", 1), 1.0);
}

TEST(INIFile, NumbersSurviveAWriteAndRead)
{
    INIFile ini;
    ini.UseSection("Numbers");
    const double values[] = {0, 1, 0.5, 0.125, 0.667, 1.0 / 7.0, -0.5, 40000.75, 0.00001};
    for (int i = 0; i < int(std::size(values)); ++i)
        ini.AddNumericParameter(QString("V%1").arg(i), values[i]);
    INIFile read = ReadBytes(Written(ini));
    for (int i = 0; i < int(std::size(values)); ++i) {
        const auto value = read.GetNumericParameterValue("numbers", QString("v%1").arg(i));
        ASSERT_TRUE(value.has_value()) << i;
        EXPECT_NEAR(*value, values[i], 1e-15) << i;
    }
}

TEST(INIFile, ReadsAnyLineEndAndWindowsTextButWritesUtf8WithCrLf)
{
    INIFile lf = ReadBytes("[Topic]\nName=Caf\xC3\xA9\n\n[Next]\rA=1\r");
    EXPECT_EQ(lf.GetParameterValue("Topic", "Name"), QString::fromUtf8("Café"));
    EXPECT_EQ(lf.GetParameterValue("Next", "A"), "1");
    EXPECT_EQ(Written(lf), "[Topic]\r\nName=Caf\xC3\xA9\r\n\r\n[Next]\r\nA=1\r\n\r\n");

    INIFile windows = ReadBytes("[Topic]\r\nName=Caf\xE9 \x80\r\n");
    EXPECT_EQ(windows.GetParameterValue("Topic", "Name"), QString::fromUtf8("Café €"));

    INIFile marked = ReadBytes("\xEF\xBB\xBF[Topic]\r\nName=A\r\n");
    EXPECT_EQ(marked.GetParameterValue("Topic", "Name"), "A");
    EXPECT_EQ(marked.CountSections(), 1);
}

TEST(INIFile, ReadFailureRaisesTheSystemErrorAndKeepsTheDocument)
{
    QTemporaryDir dir;
    INIFile ini;
    ini.AddParameter("Kept", "yes");
    try {
        ini.ReadFile(dir.filePath("missing.vtp"));
        FAIL() << "no error";
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), ENOENT);
        EXPECT_EQ(error.description(), "No such file or directory");
        EXPECT_EQ(error.source(), "veltrane.INIFile");
    }
    EXPECT_EQ(ini.GetParameterValue("", "Kept"), "yes");
}

TEST(INIFile, LoneOpeningBracketFailsTheRead)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("bad.vtp");
    ASSERT_TRUE(WriteFileBytes(name, "[Topic]\r\nA=1\r\n  [  \r\nB=2\r\n"));
    INIFile ini;
    ini.AddParameter("Kept", "yes");
    try {
        ini.ReadFile(name);
        FAIL() << "no error";
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), INIFile::ErrBadSectionHeader);
        EXPECT_EQ(error.description(), "Invalid section header \"[\" in line 3.");
    }
    EXPECT_EQ(ini.GetParameterValue("", "Kept"), "yes");
    EXPECT_EQ(ini.GetParameterValue("Topic", "A"), "");
}

TEST(INIFile, RelativeNamesAreReadFromTheProgramsFolder)
{
    const QString name = "INIFileTest-" + QUuid::createUuid().toString(QUuid::WithoutBraces) + ".ini";
    const QString full = QCoreApplication::applicationDirPath() + "/" + name;
    ASSERT_TRUE(WriteFileBytes(full, "[S]\r\nK=here\r\n"));
    INIFile ini;
    EXPECT_TRUE(ini.ReadFile(name));
    QFile::remove(full);
    EXPECT_EQ(ini.GetParameterValue("S", "K"), "here");
}

TEST(INIFile, WriteFailureReportsTheSystemErrorAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    INIFile ini;
    EXPECT_FALSE(ini.WriteFile(dir.filePath("no/such/folder/a.vtp")));
    EXPECT_EQ(ini.LastErrorNumber(), ENOENT);
    EXPECT_EQ(ini.LastErrorDescription(), "No such file or directory");

    const QString name = dir.filePath("topic.vtp");
    ASSERT_TRUE(WriteFileBytes(name, "[Topic]\r\nName=Old\r\n"));
    ini.UseSection("Topic");
    ini.AddParameter("Description", QString(20000, 'x'));
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(ini.WriteFile(name));
    }
    EXPECT_EQ(ini.LastErrorNumber(), EFBIG);
    EXPECT_EQ(FileBytes(name), "[Topic]\r\nName=Old\r\n");

    EXPECT_TRUE(ini.WriteFile(name));
    EXPECT_EQ(ini.LastErrorNumber(), 0);
    EXPECT_EQ(ini.LastErrorDescription(), "");
}
