// Fuzzes the text-file channel's line reader (TextFile in Input mode) with
// arbitrary bytes, and the writer with the lines it returns.
//
// Invariants:
// - the lines are exactly those of referenceLines(): every byte that is not
//   a line end comes out, in order, in the line it belongs to;
// - no line holds a CR or an LF, and endOfFile() comes true after the last;
// - writing the lines with writeLine and reading the file again gives the
//   same lines, and the file written is each line followed by CR LF.

#include "files/TextFile.h"

#include "FuzzSupport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString input = scratchFolder() + QStringLiteral("/input.txt");
    static const QString output = scratchFolder() + QStringLiteral("/output.txt");
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    writeFile(input, bytes);

    TextFile file;
    require(file.openTextFile(input, TextFile::Mode::Input), "an existing file opens for Input");
    QList<QByteArray> lines;
    while (!file.endOfFile()) {
        lines.append(file.readLine());
        require(lines.size() <= bytes.size(), "each line read moves past at least one byte");
        require(!lines.back().contains('\r') && !lines.back().contains('\n'), "no line holds a line end");
    }
    require(file.closeFile(), "closing an Input file succeeds");
    require(lines == referenceLines(bytes), "the lines are those of the reference splitter");

    require(file.openTextFile(output, TextFile::Mode::Output), "a file opens for Output");
    QByteArray written;
    for (const QByteArray &line : lines) {
        require(file.writeLine(line), "writeLine succeeds on an open file");
        written += line + "\r\n";
    }
    require(file.closeFile(), "the Output file is written");
    const QByteArray onDisk = readFile(output);
    if (onDisk != written)
        failDiffering("the written file is each line and CR LF", onDisk, written);

    require(file.openTextFile(output, TextFile::Mode::Input), "the written file opens for Input");
    QList<QByteArray> again;
    while (!file.endOfFile())
        again.append(file.readLine());
    file.closeFile();
    require(again == lines, "writing the lines and reading them again gives the same lines");
    return 0;
}
