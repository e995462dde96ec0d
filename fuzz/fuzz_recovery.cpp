// Arbitrary bytes as setup.recovery.ini: never a crash or a hang, every refusal has a notice, and
// a record that is read writes a file that reads back as the same record. An input that starts
// with "S" has its checksum put right first, so that changes reach the lines behind the checksum.

#include "options/catalogue.h"
#include "options/option_set.h"
#include "options/recovery_file.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

using namespace stylewright;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    check(file.write(bytes) == bytes.size());
}

// The bytes with their last line made the checksum of all before it, as the writer closes a file.
QByteArray sealed(QByteArray bytes)
{
    const qsizetype last = bytes.lastIndexOf("sha256=");
    if (last >= 0 && (last == 0 || bytes[last - 1] == '\n'))
        bytes.truncate(last);
    return bytes + "sha256=" + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + "\r\n";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = recoveryPath(dir.path());
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (bytes.startsWith('S'))
        bytes = sealed(bytes.sliced(1));
    writeFile(path, bytes);
    const Result<OptionSet> read = readRecovery(path);
    if (!read) {
        check(!read.failure().message.isEmpty());
        return 0;
    }
    writeFile(path, recoveryBytes(*read));
    const Result<OptionSet> again = readRecovery(path);
    check(again.ok());
    for (int row = 0; row < kOptionCount; ++row) {
        check(again->value(optionAt(row)) == read->value(optionAt(row)));
        check(again->isEnabled(optionAt(row)) == read->isEnabled(optionAt(row)));
    }
    return 0;
}
