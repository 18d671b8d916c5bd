#include "qt/records/recordsexport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <memory>

#include "rules/records/csv.h"

namespace vantorelle {

using namespace records;

namespace {

// Text is handed to the file in pieces of about this size, so that a whole
// store is never held in memory.
constexpr std::size_t kChunk = 1 << 20;

struct CsvFile {
    std::unique_ptr<QSaveFile> file;
    std::string pending;

    bool flush()
    {
        const auto n = file->write(pending.data(), static_cast<qint64>(pending.size()));
        const bool ok = n == static_cast<qint64>(pending.size());
        pending.clear();
        return ok;
    }
};

} // namespace

QString fileStem(const QString& name)
{
    QString stem;
    for (const QChar c : name.trimmed())
        stem += c.isLetterOrNumber() || c == u' ' || c == u'-' || c == u'\'' || c == u'.' ? c : QChar(u'_');
    if (stem.startsWith(u'.'))
        stem[0] = u'_';
    return stem.isEmpty() ? QStringLiteral("records") : stem;
}

ExportOutcome exportRecords(MatchStore& store, const std::vector<MatchRecord>& records, const QString& folder,
                            const QString& stem)
{
    ExportOutcome out;
    const QDir dir(folder);
    if (!QFileInfo(folder).isDir()) {
        out.message = QStringLiteral("The records could not be written: there is no folder %1.").arg(folder);
        return out;
    }
    const std::array<QString, 3> kinds{QStringLiteral("matches"), QStringLiteral("turns"), QStringLiteral("darts")};
    QStringList paths;
    for (int n = 1; n < 1000 && paths.isEmpty(); ++n) {
        QStringList candidate;
        for (const QString& kind : kinds)
            candidate << dir.filePath(stem + QLatin1Char(' ') + kind +
                                      (n > 1 ? QStringLiteral(" (%1)").arg(n) : QString()) + QStringLiteral(".csv"));
        if (std::none_of(candidate.begin(), candidate.end(), [](const QString& p) { return QFileInfo::exists(p); }))
            paths = candidate;
    }
    if (paths.isEmpty()) {
        out.message = QStringLiteral("The records could not be written: %1 holds too many exports.").arg(folder);
        return out;
    }

    std::array<CsvFile, 3> files;
    auto failedWriting = [&](std::size_t i) {
        const QString why = files[i].file->errorString();
        for (CsvFile& f : files)
            if (f.file)
                f.file->cancelWriting();
        return QStringLiteral("The records could not be written to %1 (%2).").arg(paths[static_cast<int>(i)], why);
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        files[i].file = std::make_unique<QSaveFile>(paths[static_cast<int>(i)]);
        if (!files[i].file->open(QIODevice::WriteOnly)) {
            out.message = failedWriting(i);
            return out;
        }
    }
    files[0].pending = matchesCsvHeader();
    files[1].pending = turnsCsvHeader();
    files[2].pending = dartsCsvHeader();
    for (const MatchRecord& m : records) {
        const auto turns = store.turns(m.id);
        if (!turns) {
            for (CsvFile& f : files)
                f.file->cancelWriting();
            out.message = QString::fromStdString(turns.result.message);
            return out;
        }
        appendMatchCsv(files[0].pending, m);
        appendTurnsCsv(files[1].pending, m, turns.value);
        appendDartsCsv(files[2].pending, m, turns.value);
        for (std::size_t i = 0; i < files.size(); ++i)
            if (files[i].pending.size() >= kChunk && !files[i].flush()) {
                out.message = failedWriting(i);
                return out;
            }
    }
    for (std::size_t i = 0; i < files.size(); ++i)
        if (!files[i].flush()) {
            out.message = failedWriting(i);
            return out;
        }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].file->commit())
            continue;
        // The set is whole or not there: those already in place go again.
        out.message = QStringLiteral("The records could not be written to %1 (%2).")
                          .arg(paths[static_cast<int>(i)], files[i].file->errorString());
        for (std::size_t k = i + 1; k < files.size(); ++k)
            files[k].file->cancelWriting();
        for (std::size_t k = 0; k < i; ++k)
            QFile::remove(paths[static_cast<int>(k)]);
        return out;
    }
    out.ok = true;
    out.files = paths;
    return out;
}

} // namespace vantorelle
