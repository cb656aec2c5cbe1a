// bench_conversion_run [--rows N] [--repeats R] [--log]
//
// Builds a version-6 database of at least N source rows (1,000,000 by default)
// from the demo rows of every table the converters copy, then, R times (3 by
// default), times a whole RunConversion into a fresh version-7 database and
// the same copy done with plain SQL (INSERT INTO ... SELECT from the attached
// source) into another. Every copy must end with every table's rows copied, or
// the benchmark fails without timings. Prints the best time of each and, last,
// ratio=<best run time / best SQL copy time>: the best of a few alternated
// repeats is what another program's bursts on the machine disturb least.
// --log also prints the run's log (with --rows 0: a run on the demo rows alone).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "dbengine/engine.h"
#include "run/conversion_session.h"
#include "run/run_conversion.h"
#include "source_rows.h"
#include "sql_copy.h"
#include "support/recording_view.h"
#include "support/temp_dir.h"
#include "tools/schema_loader.h"
#include "verify.h"
#include "winfs/runtime_error.h"

namespace {

constexpr const char* kSuccess = "PROCEDURA CONCLUSA CON SUCCESSO";

double SecondsOf(auto&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool HasOption(int argc, char** argv, const char* option) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

long NumberOption(int argc, char** argv, const std::string& option, long otherwise) {
    const std::string withValue = option + "=";
    for (int i = 1; i < argc; ++i) {
        if (argv[i] == option && i + 1 < argc) return std::atol(argv[++i]);
        if (std::strncmp(argv[i], withValue.c_str(), withValue.size()) == 0) return std::atol(argv[i] + withValue.size());
    }
    return otherwise;
}

// The run with the confirmation answered Yes; returns its log.
std::vector<std::string> Convert(const std::string& source, const std::string& target) {
    testing_support::RecordingView view;
    view.source = source;
    view.target = target;
    view.answers = {conversione::MessageAnswer::Yes};
    dao::DBEngine engine;
    conversione::ConversionSession session(view, engine);
    conversione::RunConversion(session, conversione::ConvertersInRunOrder());
    return view.log;
}

} // namespace

int main(int argc, char** argv) {
    const long wanted = NumberOption(argc, argv, "--rows", 1000000);
    const long repeats = std::max(1L, NumberOption(argc, argv, "--repeats", 3));
    try {
        testing_support::TempDir dir;
        const std::string source = dir.file("VANTORIMA6.MDB");
        schema::BuildVersion6(source, true);
        const std::string keysTemplate = dir.file("modello7.mdb");
        schema::BuildVersion7(keysTemplate);

        bench::SourceFill fill;
        const double fillSeconds = SecondsOf([&] { fill = bench::MultiplyDemoRows(source, keysTemplate, wanted); });
        std::printf("source rows=%ld tables=%d copies=%ld made-up=%d (generated in %.1f s)\n", fill.rows,
                    fill.tables, fill.copies, fill.madeUp, fillSeconds);

        double bestRun = 0, bestSql = 0;
        std::string last;
        for (long repeat = 1; repeat <= repeats; ++repeat) {
            // The run checks the version-7 file by its name: each repeat in a folder of its own.
            const std::filesystem::path folder = dir.file("repeat" + std::to_string(repeat));
            std::filesystem::create_directory(folder);
            const std::string runTarget = (folder / "vantorima7.mdb").string();
            const std::string sqlTarget = (folder / "sqlcopy.mdb").string();
            schema::BuildVersion7(runTarget);
            schema::BuildVersion7(sqlTarget);
            std::vector<std::string> log;
            const double runSeconds = SecondsOf([&] { log = Convert(source, runTarget); });
            if (repeat == 1 && HasOption(argc, argv, "--log"))
                for (const std::string& line : log) std::cout << "  " << line << "\n";
            const double sqlSeconds = SecondsOf([&] { bench::CopyWithSql(source, sqlTarget); });

            last = log.empty() ? std::string("(no log)") : log.back();
            std::vector<std::string> failures = bench::RowCountFailures(source, runTarget, sqlTarget);
            if (last != kSuccess) failures.insert(failures.begin(), "the run ended with: " + last);
            if (!failures.empty()) {
                std::cout << "BENCHMARK FAILED: the two copies did not do the whole work\n";
                for (const std::string& failure : failures) std::cout << "  " << failure << "\n";
                return 1;
            }
            std::printf("repeat %ld: RunConversion %.3f s, SQL copy %.3f s (%.2f)\n", repeat, runSeconds, sqlSeconds,
                        runSeconds / sqlSeconds);
            bestRun = repeat == 1 ? runSeconds : std::min(bestRun, runSeconds);
            bestSql = repeat == 1 ? sqlSeconds : std::min(bestSql, sqlSeconds);
            std::filesystem::remove_all(folder);   // the next repeat's copies start on a disk as free
        }

        std::printf("run: %s, every table's rows copied\n", last.c_str());
        std::printf("RunConversion: %.3f s (%.0f rows/s), best of %ld\n", bestRun, fill.rows / bestRun, repeats);
        std::printf("SQL copy: %.3f s (%.0f rows/s), best of %ld\n", bestSql, fill.rows / bestSql, repeats);
        std::printf("ratio=%.2f\n", bestRun / bestSql);
        return 0;
    } catch (const vb::RuntimeError& error) {
        std::cerr << "errore " << error.Number() << ": " << error.Description() << "\n";
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
    }
    return 1;
}
