// bench_conversion_run [--rows N] [--log]
//
// Builds a version-6 database of about N rows (300000 by default) from the demo
// rows of every table the converters read, then times a whole RunConversion
// into a fresh version-7 database and the same copy done with plain SQL
// (INSERT INTO ... SELECT from the attached source). Prints both times and,
// last, ratio=<run time / SQL copy time>. --log also prints the run's log
// (with --rows 0: the log of a run on the demo rows alone).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "dbengine/engine.h"
#include "run/conversion_state.h"
#include "run/run_conversion.h"
#include "source_rows.h"
#include "sql_copy.h"
#include "support/recording_view.h"
#include "support/temp_dir.h"
#include "tools/schema_loader.h"
#include "winfs/runtime_error.h"

namespace {

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
    return 300000;
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

        const bench::SourceFill fill = bench::MultiplyDemoRows(source, runTarget, wanted);
        std::cout << "source rows=" << fill.rows << " tables=" << fill.tables << " refused=" << fill.refused << "\n";

        testing_support::RecordingView view;
        view.source = source;
        view.target = runTarget;
        view.answers = {6};
        double runSeconds = 0;
        {
            dao::DBEngine engine;
            conversione::ConversionState state(view, engine);
            runSeconds = SecondsOf([&] { conversione::RunConversion(state); });
        }
        if (HasOption(argc, argv, "--log"))
            for (const std::string& line : view.log) std::cout << "  " << line << "\n";
        std::cout << "run: " << view.log.back() << "\n";
        const double sqlSeconds = SecondsOf([&] { bench::CopyWithSql(source, sqlTarget); });

        const std::string differences = bench::RowCountDifferences(runTarget, sqlTarget);
        if (!differences.empty()) std::cout << "row counts differ:" << differences << "\n";
        std::printf("RunConversion: %.3f s (%.0f rows/s)\n", runSeconds, fill.rows / runSeconds);
        std::printf("SQL copy: %.3f s (%.0f rows/s)\n", sqlSeconds, fill.rows / sqlSeconds);
        std::printf("ratio=%.2f\n", runSeconds / sqlSeconds);
        return view.log.back() == "PROCEDURA CONCLUSA CON SUCCESSO" ? 0 : 1;
    } catch (const vb::RuntimeError& error) {
        std::cerr << "errore " << error.Number() << ": " << error.Description() << "\n";
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
    }
    return 1;
}
