// Benchmarks run headless in English (United Kingdom), with their own temporary folder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir root(QDir::tempPath() + QStringLiteral("/vz-bench-XXXXXX"));
    if (!root.isValid())
        return 3;
    qputenv("TMPDIR", root.path().toLocal8Bit());
    qputenv("TEMP", root.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", root.path().toLocal8Bit());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
