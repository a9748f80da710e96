// Open, save, walk and locate on a timeline of 100,000 events (names of about 20 characters,
// descriptions of about 200, no pictures).
#include "app/TimelineDocument.h"
#include "common/ScriptedDialogs.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QRandomGenerator>

namespace {
constexpr int kEvents = 100000;

struct TBenchTimeline {
    TBenchTimeline() {
        folder = QDir::tempPath() + QStringLiteral("/bench-timeline");
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        path = folder + QStringLiteral("/Big.tml");
        TTimelineDocument doc;
        doc.File().NewTimeline();
        TdtmMain& dm = doc.Data();
        const QString description = QString(200, QLatin1Char('d'));
        {
            TTransaction t(dm.ffDB);
            TSqlStatement insert = dm.ffDB.Prepare(QStringLiteral(
                "INSERT INTO Event (ID, Name, Description, Start, \"End\", Formatting) VALUES (?1, ?2, ?3, ?4, ?5, '')"));
            QRandomGenerator rng(42);
            for (int i = 1; i <= kEvents; ++i) {
                insert.Reset();
                const double start = 30000.0 + rng.bounded(20000);
                insert.Bind(1, i);
                insert.Bind(2, QStringLiteral("Event number %1 abc").arg(i, 6, 10, QLatin1Char('0')));
                insert.Bind(3, description);
                insert.Bind(4, start);
                insert.Bind(5, i % 3 ? QVariant(start + rng.bounded(400)) : QVariant());
                insert.Step();
            }
            t.Commit();
        }
        doc.File().WriteTimelineFile(path);
        doc.File().CloseTimeline();
    }
    QString folder;
    QString path;
};

TBenchTimeline& Timeline() {
    static TBenchTimeline timeline;
    return timeline;
}

TScriptedDialogs& Answers() {
    static TScriptedDialogs dialogs;
    static TDialogsScope scope(dialogs);
    return dialogs;
}

void BM_LoadTimeline(benchmark::State& state) {
    const QString path = Timeline().path;
    Answers();
    for (auto _ : state) {
        TTimelineDocument doc;
        if (!doc.File().LoadTimeline(path))
            state.SkipWithError("load failed");
        state.PauseTiming();
        doc.File().CloseTimeline();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadTimeline)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_WriteTimelineFile(benchmark::State& state) {
    const QString path = Timeline().path;
    Answers();
    TTimelineDocument doc;
    doc.File().LoadTimeline(path);
    for (auto _ : state)
        if (!doc.File().WriteTimelineFile(path))
            state.SkipWithError("save failed");
    doc.File().CloseTimeline();
}
BENCHMARK(BM_WriteTimelineFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_WalkEventTable(benchmark::State& state) {
    Answers();
    TTimelineDocument doc;
    doc.File().LoadTimeline(Timeline().path);
    TTable& events = doc.Data().tblEvent;
    const int id = events.FieldIndex(QStringLiteral("ID"));
    const int start = events.FieldIndex(QStringLiteral("Start"));
    for (auto _ : state) {
        qint64 sum = 0;
        int rows = 0;
        for (events.First(); !events.Eof(); events.Next()) {
            sum += events.Value(id).toInt() + qint64(events.Value(start).toDouble());
            ++rows;
        }
        benchmark::DoNotOptimize(sum);
        if (rows != kEvents)
            state.SkipWithError("wrong row count");
    }
    doc.File().CloseTimeline();
}
BENCHMARK(BM_WalkEventTable)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LocateById(benchmark::State& state) {
    Answers();
    TTimelineDocument doc;
    doc.File().LoadTimeline(Timeline().path);
    TTable& events = doc.Data().tblEvent;
    QRandomGenerator rng(7);
    for (auto _ : state) {
        const int id = 1 + int(rng.bounded(kEvents));
        if (!events.Locate(QStringLiteral("ID"), id))
            state.SkipWithError("not found");
        benchmark::DoNotOptimize(events.AsString(QStringLiteral("Name")));
    }
    doc.File().CloseTimeline();
}
BENCHMARK(BM_LocateById)->Unit(benchmark::kMicrosecond);
} // namespace
