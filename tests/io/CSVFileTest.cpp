#include "io/CSVFile.h"

#include "IoTestSupport.h"
#include "support/VeltraneError.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QStringList rowOf(const CSVFile &csv, int32_t row)
{
    QStringList cells;
    for (int32_t column = 0; column < csv.CellsInRow(row); ++column)
        cells << csv.GetCellData(row, column);
    return cells;
}

CSVFile loaded(const QByteArray &bytes)
{
    ScratchFolder folder;
    CSVFile csv;
    csv.Load(folder.write("sheet.csv", bytes));
    return csv;
}

} // namespace

TEST(CSVFile, SplitsAtCommasWithoutATrailingEmptyCell)
{
    const CSVFile csv = loaded("a,b,c\r\na,,c\r\na,b,\r\n,a\r\nAttributes,A,B\r\n  x , y  \r\n");
    ASSERT_EQ(csv.Rows(), 6);
    EXPECT_EQ(rowOf(csv, 0), QStringList({"a", "b", "c"}));
    EXPECT_EQ(rowOf(csv, 1), QStringList({"a", "", "c"}));
    EXPECT_EQ(rowOf(csv, 2), QStringList({"a", "b"}));
    EXPECT_EQ(rowOf(csv, 3), QStringList({"", "a"}));
    EXPECT_EQ(rowOf(csv, 4), QStringList({"Attributes", "A", "B"}));
    EXPECT_EQ(rowOf(csv, 5), QStringList({"  x ", " y  "}));
    EXPECT_EQ(csv.Columns(), 3);
}

TEST(CSVFile, QuotedCellsHoldCommasQuotesAndLineBreaks)
{
    const CSVFile csv = loaded("\"x,y\",z\n\"say \"\"hi, you\"\"\",b\n\"open,a\n\"a\"b,c\nq\"x,\"y\"\n\"\"\"\",\"a\"\"\"\n");
    EXPECT_EQ(rowOf(csv, 0), QStringList({"x,y", "z"}));
    // A doubled quote inside a quoted cell is one quote and does not end the cell.
    EXPECT_EQ(rowOf(csv, 1), QStringList({"say \"hi, you\"", "b"}));
    EXPECT_EQ(rowOf(csv, 2), QStringList({"\"open,a"}));
    // A single quote closes the cell, whatever follows; quotes outside quoted cells stay.
    EXPECT_EQ(rowOf(csv, 3), QStringList({"\"a\"b", "c"}));
    EXPECT_EQ(rowOf(loaded("\"a\"b,\"c,d\"\n"), 0), QStringList({"\"a\"b", "c,d"}));
    EXPECT_EQ(rowOf(csv, 4), QStringList({"q\"x", "y"}));
    EXPECT_EQ(rowOf(csv, 5), QStringList({"\"", "a\""}));

    // A line break inside quotes belongs to the cell when the closing quote ends the cell.
    const CSVFile breaks = loaded("\"two\r\nlines\",\"x\ny\"\r\nnext\r\n\"stray\nab\"c,d\n\"open\n");
    ASSERT_EQ(breaks.Rows(), 5);
    EXPECT_EQ(rowOf(breaks, 0), QStringList({"two\r\nlines", "x\ny"}));
    EXPECT_EQ(rowOf(breaks, 1), QStringList({"next"}));
    EXPECT_EQ(rowOf(breaks, 2), QStringList({"\"stray"}));
    EXPECT_EQ(rowOf(breaks, 3), QStringList({"ab\"c", "d"}));
    EXPECT_EQ(rowOf(breaks, 4), QStringList({"\"open"}));
}

TEST(CSVFile, EmptyLinesAndOutOfRangeIndexes)
{
    const CSVFile csv = loaded("a,b,c,d,e,f\r\n\r\nx,y,z");
    EXPECT_EQ(csv.Rows(), 3);
    EXPECT_EQ(csv.CellsInRow(1), 0);
    EXPECT_EQ(csv.Columns(), 6);
    EXPECT_EQ(csv.GetCellData(2, 5), "");
    EXPECT_EQ(csv.GetCellData(2, 2), "z");
    EXPECT_EQ(csv.GetCellData(3, 0), "");
    EXPECT_EQ(csv.GetCellData(0, 6), "");
    EXPECT_EQ(csv.GetCellData(-1, 0), "");
    EXPECT_EQ(csv.CellsInRow(3), 0);
    EXPECT_EQ(csv.CellsInRow(-1), 0);
}

TEST(CSVFile, LineEndsAndEncodingsFollowTheTextRules)
{
    // CR LF, lone CR and lone LF all end a line; the last line needs no line end.
    const CSVFile ends = loaded("a\r\nb\rc\nd");
    ASSERT_EQ(ends.Rows(), 4);
    EXPECT_EQ(ends.GetCellData(3, 0), "d");
    EXPECT_EQ(loaded("a\r\n").Rows(), 1);
    EXPECT_EQ(loaded("").Rows(), 0);

    const CSVFile utf8 = loaded("\xEF\xBB\xBF\xC3\xBC" "ber,\xE2\x82\xAC\n\xEF\xBB\xBFx");
    EXPECT_EQ(rowOf(utf8, 0), QStringList({u"\u00FCber"_qs, u"\u20AC"_qs}));
    // Only the byte-order mark that starts the file is skipped.
    EXPECT_EQ(rowOf(utf8, 1), QStringList({u"\uFEFFx"_qs}));
    // Not UTF-8: Windows-1252, as spreadsheets on Windows write it.
    const CSVFile ansi = loaded("\xFC" "ber,\x80");
    EXPECT_EQ(rowOf(ansi, 0), QStringList({u"\u00FCber"_qs, u"\u20AC"_qs}));
    const CSVFile utf16 = loaded(QByteArray("\xFF\xFE" "a\0,\0\xFC\0\r\0\n\0\"\0x\0,\0y\0\"\0", 22));
    EXPECT_EQ(rowOf(utf16, 0), QStringList({"a", u"\u00FC"_qs}));
    EXPECT_EQ(rowOf(utf16, 1), QStringList({"x,y"}));
}

TEST(CSVFile, SingleQuoteCellFailsTheLoadKeepingEarlierRows)
{
    ScratchFolder folder;
    CSVFile csv;
    const QString name = folder.write("bad.csv", "a,b\r\nc,\"\r\nd\r\n");
    try {
        csv.Load(name);
        FAIL() << "no error";
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), EINVAL);
    }
    EXPECT_EQ(csv.Rows(), 1);
    EXPECT_EQ(rowOf(csv, 0), QStringList({"a", "b"}));
    EXPECT_THROW(loaded("\""), VeltraneError);
    // Only a lone quote: a quote cell that runs to the end of the line is kept.
    EXPECT_EQ(rowOf(loaded("a,\",b"), 0), QStringList({"a", "\",b"}));
}

TEST(CSVFile, MissingFileFailsWithTheSystemError)
{
    ScratchFolder folder;
    CSVFile csv;
    try {
        csv.Load(folder.path("missing.csv"));
        FAIL() << "no error";
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), ENOENT);
        EXPECT_FALSE(error.description().isEmpty());
    }
    EXPECT_EQ(csv.Rows(), 0);
}

TEST(CSVFile, LoadAppendsAndResetEmpties)
{
    ScratchFolder folder;
    CSVFile csv;
    csv.Load(folder.write("one.csv", "a,b,c\r\n"));
    csv.Load(folder.write("two.csv", "d\r\ne,f\r\n"));
    ASSERT_EQ(csv.Rows(), 3);
    EXPECT_EQ(rowOf(csv, 0), QStringList({"a", "b", "c"}));
    EXPECT_EQ(rowOf(csv, 2), QStringList({"e", "f"}));
    EXPECT_EQ(csv.Columns(), 3);
    csv.Reset();
    EXPECT_EQ(csv.Rows(), 0);
    EXPECT_EQ(csv.Columns(), 0);
}

TEST(CSVFile, RelativeNamesAreTakenFromTheProgramFolder)
{
    const QString name = QStringLiteral("csvfile-relative-test.csv");
    const QString full = QCoreApplication::applicationDirPath() + "/" + name;
    {
        QFile file(full);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("here,there\n");
    }
    CSVFile csv;
    csv.Load(name);
    QFile::remove(full);
    EXPECT_EQ(rowOf(csv, 0), QStringList({"here", "there"}));
}
