// Resident memory over 10,000 repetitions of each user operation, on the real windows offscreen:
// the figure before and after each operation and the growth, against 1 MB.

#include "app/application.h"
#include "benchutil.h"
#include "qtmessages.h"
#include "repeatedoperations.h"

#include <cstdio>
#include <memory>

using namespace talvex;

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtmessages::install(false);
    TalvexApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 10000;

    auto windows = std::make_unique<EditorWindows>();
    const std::vector<memory::Operation> operations = memory::userOperations(*windows);
    std::printf("resident memory over %d repetitions of each operation\n", repetitions);
    bool met = true;
    for (const memory::Operation &operation : operations) {
        memory::settle();
        const long before = memory::residentKilobytes();
        int failed = 0;
        for (int repetition = 0; repetition < repetitions; ++repetition)
            failed += operation.once(repetition) ? 0 : 1;
        memory::settle();
        const long after = memory::residentKilobytes();
        // Padded by characters, not bytes: the names have umlauts.
        const QByteArray name = QString::fromUtf8(operation.name).leftJustified(36).toUtf8();
        std::printf("  %s before %7ld kB  after %7ld kB%s\n", name.constData(), before, after,
                    failed ? "  (some repetitions did not take place)" : "");
        met &= failed == 0;
        met &= bench::report("  growth", double(after - before) / 1024.0, 1.0, "MB");
    }
    return met ? 0 : 1;
}
