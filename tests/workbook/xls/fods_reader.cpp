#include "xls_test_support.h"

#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "workbook/xls/cell_name.h"

namespace quenmoor::workbook::testsupport {

namespace {

const QString kOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
const QString kTable = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
const QString kText = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";

struct ParsedCell {
    int column;
    CellValue value;
};

class FodsReader {
public:
    explicit FodsReader(const std::filesystem::path& file) : file_(file) {}

    WorkbookData read() {
        QFile input(QString::fromStdString(file_.string()));
        if (!input.open(QIODevice::ReadOnly)) {
            fail("cannot open the file");
        }
        xml_.setDevice(&input);
        while (xml_.readNextStartElement()) {
            if (isTable("table")) {
                readSheet();
            } else if (!isElement(kOffice, "document") && !isElement(kOffice, "body") &&
                       !isElement(kOffice, "spreadsheet")) {
                xml_.skipCurrentElement();
            }
        }
        if (xml_.hasError()) {
            fail("malformed XML at line " + std::to_string(xml_.lineNumber()) + ": " +
                 xml_.errorString().toStdString());
        }
        return std::move(workbook_);
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error(file_.string() + ": " + what);
    }

    bool isElement(const QString& ns, const char* name) const {
        return xml_.namespaceUri() == ns && xml_.name() == QLatin1String(name);
    }
    bool isTable(const char* name) const { return isElement(kTable, name); }

    int repeatCount(const char* attribute) const {
        const QStringView text = xml_.attributes().value(kTable, QLatin1String(attribute));
        return text.isEmpty() ? 1 : text.toInt();
    }

    void readSheet() {
        Sheet& sheet = workbook_.addSheet(
            xml_.attributes().value(kTable, QLatin1String("name")).toString().toStdString());
        int row = 1;
        while (xml_.readNextStartElement()) {
            if (!isTable("table-row")) {
                xml_.skipCurrentElement();
                continue;
            }
            const int repeat = repeatCount("number-rows-repeated");
            const std::vector<ParsedCell> cells = readRow(sheet, row);
            for (int r = row; !cells.empty() && r < row + repeat; ++r) {
                for (const ParsedCell& cell : cells) {
                    if (r > kMaxRows) {
                        fail("sheet \"" + sheet.name() + "\": a value in row " + std::to_string(r) +
                             ", beyond the rows of a .xls sheet");
                    }
                    sheet.set(r, cell.column, cell.value);
                }
            }
            row += repeat;
        }
    }

    std::vector<ParsedCell> readRow(const Sheet& sheet, int row) {
        std::vector<ParsedCell> cells;
        int column = 1;
        while (xml_.readNextStartElement()) {
            if (!isTable("table-cell") && !isTable("covered-table-cell")) {
                xml_.skipCurrentElement();
                continue;
            }
            const int repeat = repeatCount("number-columns-repeated");
            const std::string where = "sheet \"" + sheet.name() + "\" cell " +
                                      cellName(row, std::min(column, kMaxColumns));
            const CellValue value = readCell(where);
            if (!isEmpty(value)) {
                if (column + repeat - 1 > kMaxColumns) {
                    fail(where + ": a value beyond the columns of a .xls sheet");
                }
                for (int c = column; c < column + repeat; ++c) {
                    cells.push_back({c, value});
                }
            }
            column += repeat;
        }
        return cells;
    }

    CellValue readCell(const std::string& where) {
        const QXmlStreamAttributes attributes = xml_.attributes();
        const QString type = attributes.value(kOffice, QLatin1String("value-type")).toString();
        const QString value = attributes.value(kOffice, QLatin1String("value")).toString();
        const QString boolean =
            attributes.value(kOffice, QLatin1String("boolean-value")).toString();
        const std::string text = readParagraphs();
        if (type.isEmpty()) {
            return {};
        }
        if (type == "float") {
            bool ok = false;
            const double number = value.toDouble(&ok);
            if (!ok) {
                fail(where + ": \"" + value.toStdString() + "\" is not a number");
            }
            return number;
        }
        if (type == "boolean") {
            return boolean == "true";
        }
        if (type == "string") {
            return text;
        }
        fail(where + ": values of type " + type.toStdString() + " are not read");
    }

    // The text of the paragraphs of a cell, up to its end tag; notes are skipped.
    std::string readParagraphs() {
        QString text;
        bool first = true;
        while (xml_.readNextStartElement()) {
            if (!isElement(kText, "p")) {
                xml_.skipCurrentElement();
                continue;
            }
            if (!first) {
                text += '\n';
            }
            first = false;
            readInline(text);
        }
        return text.toStdString();
    }

    // Characters up to the end of the current element, runs of spaces written as elements,
    // and spans and the like read for their text.
    void readInline(QString& text) {
        while (!xml_.atEnd()) {
            const QXmlStreamReader::TokenType token = xml_.readNext();
            if (token == QXmlStreamReader::Characters) {
                text += xml_.text();
            } else if (token == QXmlStreamReader::EndElement) {
                return;
            } else if (token == QXmlStreamReader::StartElement) {
                if (isElement(kText, "s")) {
                    const QStringView count = xml_.attributes().value(kText, QLatin1String("c"));
                    text += QString(count.isEmpty() ? 1 : count.toInt(), ' ');
                    xml_.skipCurrentElement();
                } else {
                    readInline(text);
                }
            }
        }
    }

    std::filesystem::path file_;
    QXmlStreamReader xml_;
    WorkbookData workbook_;
};

}  // namespace

WorkbookData readFods(const std::filesystem::path& file) {
    return FodsReader(file).read();
}

}  // namespace quenmoor::workbook::testsupport
