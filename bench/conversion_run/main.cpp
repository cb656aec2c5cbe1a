// bench_conversion_run [--rows N] [--log]
//
// Builds a version-6 database of at least N source rows (1,000,000 by default)
// from the demo rows of every table the converters copy, then times a whole
// RunConversion into a fresh version-7 database and the same copy done with
// plain SQL (INSERT INTO ... SELECT from the attached source). Both must end
// with every table's rows copied, or the benchmark fails without timings.
// Prints both times and, last, ratio=<run time / SQL copy time>. --log also
// prints the run's log (with --rows 0: a run on the demo rows alone).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

long RowsOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rows") == 0 && i + 1 < argc) return std::atol(argv[++i]);
        if (std::strncmp(argv[i], "--rows=", 7) == 0) return std::atol(argv[i] + 7);
    }
    return 1000000;
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
    const long wanted = RowsOption(argc, argv);
    try {
        testing_support::TempDir dir;
        const std::string source = dir.file("VANTORIMA6.MDB");
        const std::string runTarget = dir.file("vantorima7.mdb");
        const std::string sqlTarget = dir.file("sqlcopy.mdb");
        schema::BuildVersion6(source, true);
        schema::BuildVersion7(runTarget);
        schema::BuildVersion7(sqlTarget);

        bench::SourceFill fill;
        const double fillSeconds = SecondsOf([&] { fill = bench::MultiplyDemoRows(source, runTarget, wanted); });
        std::printf("source rows=%ld tables=%d copies=%ld made-up=%d (generated in %.1f s)\n", fill.rows,
                    fill.tables, fill.copies, fill.madeUp, fillSeconds);

        std::vector<std::string> log;
        const double runSeconds = SecondsOf([&] { log = Convert(source, runTarget); });
        if (HasOption(argc, argv, "--log"))
            for (const std::string& line : log) std::cout << "  " << line << "\n";
        const double sqlSeconds = SecondsOf([&] { bench::CopyWithSql(source, sqlTarget); });

        const std::string last = log.empty() ? std::string("(no log)") : log.back();
        std::vector<std::string> failures = bench::RowCountFailures(source, runTarget, sqlTarget);
        if (last != kSuccess) failures.insert(failures.begin(), "the run ended with: " + last);
        if (!failures.empty()) {
            std::cout << "BENCHMARK FAILED: the two copies did not do the whole work\n";
            for (const std::string& failure : failures) std::cout << "  " << failure << "\n";
            return 1;
        }

        std::printf("run: %s, every table's rows copied\n", last.c_str());
        std::printf("RunConversion: %.3f s (%.0f rows/s)\n", runSeconds, fill.rows / runSeconds);
        std::printf("SQL copy: %.3f s (%.0f rows/s)\n", sqlSeconds, fill.rows / sqlSeconds);
        std::printf("ratio=%.2f\n", runSeconds / sqlSeconds);
        return 0;
    } catch (const vb::RuntimeError& error) {
        std::cerr << "errore " << error.Number() << ": " << error.Description() << "\n";
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
    }
    return 1;
}
