// The run driver on demo-sized archives: the whole log of a run, the checks
// that refuse a run, the errors that end one, and the version-6 file left
// untouched whatever happens.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <map>
#include <optional>

#include "catalogue/catalogue.h"
#include "demo_archive.h"
#include "run/field_list.h"
#include "run/run_conversion.h"
#include "support/file_size_limit.h"
#include "support/jet_files.h"

namespace {

using run_testing::DemoArchive;
using run_testing::OpeningLines;
using run_testing::StampOf;
using Lines = std::vector<std::string>;

// The tables a confirmed run empties, in order: header, registry and lookup
// tables, then the document line tables (without them a second run into the
// same archive would hold the lines of both runs).
const std::vector<std::string> kEmptiedTables{
    "agenti", "anagrafica azienda", "articoli", "articoli_famiglia", "clienti", "catagenti", "catarticoli",
    "catclienti", "catfornitori", "ddt", "fatturaA", "fatturaPF", "FatturaV", "Fornitori", "ListinoFornitori",
    "MovimentiMagazzino", "OrdiCli", "OrdiFor", "PagamentiClienti", "PagamentiFornitori", "Preventivo", "Resi",
    "TaCurrencies", "TaDepositi", "TaAliquote", "TaAmezzo", "TaAspetto", "TaBanche", "TabeWWW", "TaModPag",
    "TaPorto", "TaSettMerc", "TaTipoPag", "TaTrasporto", "TaUnita", "TaZone", "Vettori",
    "ddt_voci", "fatturaA_voci", "fatturaPF_voci", "fatturaV_voci", "ordicli_voci", "ordifor_voci",
    "Preventivo_voci", "resi_voci",
};

TEST(WholeRun, LogsEveryTableInRunOrderAndEndsWithSuccess) {
    DemoArchive archive;
    const auto stamp = StampOf(archive.source);
    const Lines& expected = run_testing::DemoRunLog();
    archive.Run();
    EXPECT_EQ(archive.view.log, expected);
    EXPECT_EQ(archive.view.selectedLine, static_cast<int>(expected.size()) - 1);
    EXPECT_TRUE(archive.view.buttonsEnabled);
    EXPECT_EQ(archive.view.yields, 2);
    ASSERT_EQ(archive.view.messages.size(), 1u);
    EXPECT_EQ(archive.view.messages[0].text, "Vuoi vuotare le tabelle in VANTORIMA 7 e procedere alla conversione ?");
    EXPECT_EQ(archive.view.messages[0].buttons, conversione::MessageButtons::YesNo);
    EXPECT_EQ(archive.view.messages[0].icon, conversione::MessageIcon::Question);
    EXPECT_EQ(archive.view.messages[0].defaultButton, conversione::MessageDefault::Second);
    EXPECT_EQ(StampOf(archive.source), stamp);

    // The payment methods got fresh codes; the configuration row was edited.
    EXPECT_EQ(archive.CountRows(archive.target, "tamodpag"), 5);
    EXPECT_EQ(archive.CountRows(archive.target, "configurazione"), 1);
}

TEST(WholeRun, ASecondRunIntoTheSameArchiveGivesTheSameTablesAndLog) {
    DemoArchive archive;
    archive.Run();
    const Lines first = archive.view.log;
    std::map<std::string, int> counts;
    for (const std::string& table : kEmptiedTables) counts[table] = archive.CountRows(archive.target, table);
    ASSERT_GT(counts["ddt_voci"], 0);
    archive.Run();
    EXPECT_EQ(archive.view.log, first);
    for (const std::string& table : kEmptiedTables)
        EXPECT_EQ(archive.CountRows(archive.target, table), counts[table]) << table;   // line tables included
}

TEST(WholeRun, TheEmptyingFollowsItsOrderAndSparesConfigurationAndPriceLists) {
    DemoArchive archive;
    archive.Run();
    const std::vector<std::string>& tables = kEmptiedTables;
    // Give every emptied table a row, then remove one table from the middle of the list.
    std::map<std::string, int> rows;
    for (const std::string& table : tables) rows[table] = archive.CountRows(archive.target, table);
    archive.ExecuteTarget("INSERT INTO [Listini] ([id articolo], [listino], [prezzo]) VALUES (1, 'L1', 10.5)");
    const std::size_t missing = 27;   // TaBanche
    ASSERT_EQ(tables[missing], "TaBanche");
    archive.ExecuteTarget("DROP TABLE [tabanche]");

    archive.Run();
    EXPECT_EQ(archive.view.log.back(), "VERSIONE VANTORIMA 7 ERRATA !");
    EXPECT_NE(archive.view.log.end()[-2], "Dati tabelle di Vantorima 7 cancellati");
    for (std::size_t i = 0; i < tables.size(); ++i) {
        if (i == missing) continue;
        const int expected = i < missing ? 0 : rows[tables[i]];
        EXPECT_EQ(archive.CountRows(archive.target, tables[i]), expected) << tables[i];
    }
    EXPECT_EQ(archive.CountRows(archive.target, "Listini"), 1);
    EXPECT_EQ(archive.CountRows(archive.target, "configurazione"), 1);
    EXPECT_TRUE(archive.view.buttonsEnabled);
}

TEST(WholeRun, ARefusedRowEndsOnlyItsTableAndTheRunEndsWithErrors) {
    DemoArchive archive;
    archive.ExecuteSource("INSERT INTO [taunita] ([descrizione], [commento]) VALUES ('PZ', 'doppione')");
    archive.ExecuteSource("INSERT INTO [tazone] ([codice], [descrizione]) VALUES (NULL, 'senza codice')");
    archive.Run();
    const Lines& log = archive.view.log;
    auto at = [&](const std::string& line) { return std::find(log.begin(), log.end(), line) - log.begin(); };
    EXPECT_LT(at("TABELLA UNITA' Errore nr. 3022"), at("TABELLA ZONE Errore nr. 3314"));
    EXPECT_LT(at("TABELLA ZONE Errore nr. 3314"), at("TABELLA ALIQUOTE convertite 5 voci"));
    EXPECT_EQ(log.back(), "PROCEDURA CONCLUSA CON ERRORI");
    EXPECT_EQ(archive.CountRows(archive.target, "taunita"), 7);
    EXPECT_TRUE(archive.view.buttonsEnabled);
}

TEST(WholeRun, OneRefusedTableIsEnoughToEndWithErrors) {
    DemoArchive archive;
    archive.ExecuteSource("INSERT INTO [taunita] ([descrizione], [commento]) VALUES ('PZ', 'doppione')");
    archive.Run();
    const Lines& log = archive.view.log;
    EXPECT_EQ(std::count(log.begin(), log.end(), "TABELLA UNITA' Errore nr. 3022"), 1);
    EXPECT_EQ(log.back(), "PROCEDURA CONCLUSA CON ERRORI");
}

// A window on the demo archive, its files picked and the emptying confirmed,
// that lets a test look at the files the moment a line is logged.
class WatchingView : public testing_support::RecordingView {
public:
    explicit WatchingView(const DemoArchive& archive) {
        source = archive.source;
        target = archive.target;
        answers = {conversione::MessageAnswer::Yes};
    }
    std::function<void(const std::string&)> onLine;
    void AppendLog(const std::string& line) override {
        RecordingView::AppendLog(line);
        if (onLine) onLine(line);
    }
};

// One number read straight from the file, as another program would read it.
long long ReadFromDisk(const std::string& file, const std::string& sql) {
    sqlite3* db = nullptr;
    long long value = -1;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
            value = sqlite3_column_int64(stmt, 0);
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return value;
}

TEST(WholeRun, WhatTheRunWroteIsOnDiskWhenItReportsSuccess) {
    DemoArchive archive;
    WatchingView view(archive);
    long long ftpf = -1, units = -1;
    view.onLine = [&](const std::string& line) {
        if (line != "PROCEDURA CONCLUSA CON SUCCESSO") return;
        ftpf = ReadFromDisk(archive.target, "SELECT FTPF FROM configurazione");
        units = ReadFromDisk(archive.target, "SELECT count(*) FROM taunita");
    };
    conversione::ConversionSession session(view, archive.engine);
    conversione::RunConversion(session, conversione::ConvertersInRunOrder());
    ASSERT_EQ(view.log.back(), "PROCEDURA CONCLUSA CON SUCCESSO");
    EXPECT_EQ(ftpf, 12);   // the configuration, edited last
    EXPECT_EQ(units, 7);
}

TEST(WholeRun, AFinalSaveOnAFullDiskIsReportedAndNeverAsSuccess) {
    DemoArchive archive;
    WatchingView view(archive);
    // A last table with no rows writes nothing: the disk fills up as it is
    // logged, and only the final save is left.
    archive.ExecuteSource("CREATE TABLE [vuota] ([x] Long)");
    std::vector<conversione::TableConverter> converters = conversione::ConvertersInRunOrder();
    conversione::TableConverter empty;
    empty.sourceTable = empty.targetTable = "vuota";
    empty.emptyLine = "VUOTA nessuna voce presente";
    converters.push_back(empty);
    std::optional<testing_support::FileSizeLimit> diskFull;
    view.onLine = [&](const std::string& line) {
        if (line == converters.back().emptyLine) diskFull.emplace(0);
    };
    conversione::ConversionSession session(view, archive.engine);
    conversione::RunConversion(session, converters);
    diskFull.reset();
    ASSERT_GE(view.log.size(), 2u);
    EXPECT_EQ(view.log.end()[-2], "VUOTA nessuna voce presente");
    EXPECT_EQ(view.log.back().rfind("PROCEDURA INTERROTTA Errore nr. ", 0), 0u) << view.log.back();
    EXPECT_TRUE(view.buttonsEnabled);
}

TEST(WholeRun, ATargetThatCannotBeSavedIsReportedOnceAndNeverAsSuccess) {
    DemoArchive archive;
    // Another program reads the target for the whole run, so no save can finish.
    sqlite3* reader = nullptr;
    ASSERT_EQ(sqlite3_open(archive.target.c_str(), &reader), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(reader, "BEGIN; SELECT count(*) FROM taunita;", nullptr, nullptr, nullptr), SQLITE_OK);
    archive.engine.SetLockWait(std::chrono::milliseconds(50));

    archive.Run();

    sqlite3_exec(reader, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(reader);
    const Lines& log = archive.view.log;
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.back().rfind("PROCEDURA INTERROTTA Errore nr. ", 0), 0u) << log.back();
    EXPECT_EQ(log.back().find(" ("), std::string::npos) << "no host detail: " << log.back();
    EXPECT_EQ(std::count(log.begin(), log.end(), log.back()), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "PROCEDURA CONCLUSA CON SUCCESSO"), 0);
    EXPECT_TRUE(archive.view.buttonsEnabled);
}

// Runs refused before anything is written: the lines, the messages, the buttons.
class RefusedRun : public ::testing::Test {
protected:
    void ExpectRefused(const Lines& log) {
        archive.view.log.clear();
        conversione::RunConversion(*archive.session, conversione::ConvertersInRunOrder());
        EXPECT_EQ(archive.view.log, log);
        EXPECT_TRUE(archive.view.buttonsEnabled);
        EXPECT_EQ(StampOf(archive.source), sourceStamp);
        EXPECT_EQ(StampOf(archive.target), targetStamp);
    }
    DemoArchive archive;
    run_testing::FileStamp sourceStamp = StampOf(archive.source);
    run_testing::FileStamp targetStamp = StampOf(archive.target);
};

TEST_F(RefusedRun, BoxesAtTheirInitialTextsAskForAChoice) {
    archive.view.source = "Selezionare file di provenienza";
    ExpectRefused({});
    archive.view.source = archive.source;
    archive.view.target = "Selezionare file di destinazione";
    ExpectRefused({});
    ASSERT_EQ(archive.view.messages.size(), 2u);
    EXPECT_EQ(archive.view.messages[0].text, "Selezionare file di provenienza !");
    EXPECT_EQ(archive.view.messages[1].text, "Selezionare file di destinazione !");
    EXPECT_EQ(archive.view.messages[1].icon, conversione::MessageIcon::Information);
    EXPECT_EQ(archive.view.messages[1].buttons, conversione::MessageButtons::Ok);
}

TEST_F(RefusedRun, NamesAreRecognisedByTheirLast14CharactersInAnyCase) {
    for (const std::string& name : {archive.source + ".bak", std::string("ANTORIMA6.MDB"),
                                    std::string("Selezionare file di Provenienza"), std::string()}) {
        archive.view.source = name;
        ExpectRefused({"Controllo File Vantorima 6", "File Vantorima 6 ERRATO"});
    }
    archive.view.source = archive.source;
    archive.view.target = archive.source;   // the same file in both boxes
    ExpectRefused({"Controllo File Vantorima 6", "File Vantorima 6 CORRETTO", "Controllo File Vantorima 7",
                   "File Vantorima 7 ERRATO"});
    archive.view.target = archive.dir.file("VANTORIMA7.MDB.old");
    ExpectRefused({"Controllo File Vantorima 6", "File Vantorima 6 CORRETTO", "Controllo File Vantorima 7",
                   "File Vantorima 7 ERRATO"});
    EXPECT_TRUE(archive.view.messages.empty());

    // Lower case passes both tests; the operator then refuses the emptying.
    std::filesystem::rename(archive.source, archive.dir.file("Vantorima6.mdb"));
    archive.source = archive.view.source = archive.dir.file("Vantorima6.mdb");
    archive.view.target = archive.target;
    sourceStamp = StampOf(archive.source);
    archive.view.answers = {conversione::MessageAnswer::No};
    ExpectRefused({"Controllo File Vantorima 6", "File Vantorima 6 CORRETTO", "Controllo File Vantorima 7",
                   "File Vantorima 7 CORRETTO", "Richiesta di Cancellazione dati tabelle ed esecuzione Conversione",
                   "Non vuotare tabelle e abbandonare Conversione"});
}

TEST_F(RefusedRun, AConverterWithAMisspeltFieldIsLoggedAsTheRunsErrorBeforeAnythingIsEmptied) {
    archive.view.answers = {conversione::MessageAnswer::Yes};
    archive.view.log.clear();
    conversione::RunConversion(*archive.session, []() -> const std::vector<conversione::TableConverter>& {
        static std::vector<conversione::TableConverter> built;
        built = {conversione::TableConverter{}};
        built[0].fields = conversione::Pick(conversione::Copies({"codice"}), {"codcie"});
        return built;
    });
    EXPECT_EQ(archive.view.log, Lines{"PROCEDURA INTERROTTA Errore nr. 3265 - Elemento non trovato nell'insieme."});
    EXPECT_TRUE(archive.view.buttonsEnabled);
    EXPECT_EQ(StampOf(archive.target), targetStamp);
}

TEST_F(RefusedRun, ATargetThatIsTheSourceUnderAnotherNameIsRefused) {
    std::filesystem::create_directory(archive.dir.path() / "altro");
    std::filesystem::create_symlink(archive.source, archive.dir.path() / "altro" / "VANTORIMA7.MDB");
    archive.view.target = (archive.dir.path() / "altro" / "VANTORIMA7.MDB").string();
    archive.view.answers = {conversione::MessageAnswer::Yes};
    ExpectRefused({"Controllo File Vantorima 6", "File Vantorima 6 CORRETTO", "Controllo File Vantorima 7",
                   "File Vantorima 7 ERRATO"});
}

TEST_F(RefusedRun, ASourceOfAnotherReleaseIsShownAsRead) {
    archive.ExecuteSource("Delete * from [versione]");
    archive.ExecuteSource("INSERT INTO [versione] ([numero], [data]) VALUES ('Versione 6.0.12', 'del 3 marzo 2004')");
    sourceStamp = StampOf(archive.source);
    ExpectRefused({"Controllo File Vantorima 6", "File Vantorima 6 CORRETTO"});
    ASSERT_EQ(archive.view.messages.size(), 1u);
    EXPECT_EQ(archive.view.messages[0].text,
              "Trovata la versione di Vantorima 6: \r\nVersione 6.0.12 del 3 marzo 2004\r\n\r\n"
              "E' necessario aggiornare Vantorima 6\r\nalla versione 6.0.13 prima di \r\n"
              "eseguire questo aggiornamento. \r\n");
    EXPECT_EQ(archive.view.messages[0].icon, conversione::MessageIcon::Information);

    // Any split of the release between the two fields, in any case, passes.
    archive.ExecuteSource("Delete * from [versione]");
    archive.ExecuteSource("INSERT INTO [versione] ([numero], [data]) VALUES ('versione 6.0.13 del', '17 Settembre 2004')");
    archive.Run();
    EXPECT_EQ(archive.view.log.back(), "PROCEDURA CONCLUSA CON SUCCESSO");
}

// Errors that end a run after the checks began: the line names the file
// and side, the buttons come back, the source is untouched.
class EndedRun : public ::testing::Test {
protected:
    void ExpectEndedWith(const std::string& line) {
        const bool sourceExists = std::filesystem::exists(archive.view.source);
        const auto stamp = sourceExists ? StampOf(archive.view.source) : run_testing::FileStamp{};
        archive.Run();
        ASSERT_FALSE(archive.view.log.empty());
        EXPECT_EQ(archive.view.log.back().substr(0, line.size()), line);
        EXPECT_EQ(archive.view.selectedLine, static_cast<int>(archive.view.log.size()) - 1);
        EXPECT_TRUE(archive.view.buttonsEnabled);
        if (sourceExists) {
            EXPECT_EQ(StampOf(archive.view.source), stamp);
        }
    }
    DemoArchive archive;
};

TEST_F(EndedRun, AMissingFileIsNamedBySide) {
    archive.view.source = archive.dir.file("manca/VANTORIMA6.MDB");
    ExpectEndedWith("FILE VANTORIMA 6 NON TROVATO !");
    EXPECT_EQ(archive.view.log.size(), 3u);

    archive.view.source = archive.source;
    archive.view.target = archive.dir.file("manca/vantorima7.mdb");
    ExpectEndedWith("FILE VANTORIMA 7 NON TROVATO !");
    EXPECT_EQ(archive.view.log.end()[-2], "Cancellazione dati tabelle di Vantorima 7");
}

TEST_F(EndedRun, AMissingTableIsNamedBySide) {
    archive.ExecuteSource("DROP TABLE [versione]");
    ExpectEndedWith("VERSIONE VANTORIMA 6 ERRATA !");
    EXPECT_EQ(archive.view.log.size(), 3u);

    DemoArchive other;
    other.ExecuteSource("DROP TABLE [taporto]");
    other.Run();
    EXPECT_EQ(other.view.log.back(), "VERSIONE VANTORIMA 6 ERRATA !");
    EXPECT_EQ(other.view.log.end()[-2], "TABELLA PAGAMENTI convertite 5 voci");   // the converter before it
}

TEST_F(EndedRun, AnEmptyReleaseTableIsReportedWithNumberAndDescription) {
    archive.ExecuteSource("Delete * from [versione]");
    ExpectEndedWith("PROCEDURA INTERROTTA Errore nr. 3021 - ");
    EXPECT_GT(archive.view.log.back().size(), std::string("PROCEDURA INTERROTTA Errore nr. 3021 - ").size());
}

TEST_F(EndedRun, ATextFileNamedLikeTheSourceIsNoDatabase) {
    const std::string text = archive.dir.file("testo/VANTORIMA6.MDB");
    std::filesystem::create_directory(archive.dir.path() / "testo");
    std::ofstream(text) << "questo non e' un archivio\r\n";
    archive.view.source = text;
    ExpectEndedWith("PROCEDURA INTERROTTA Errore nr. 3343 - ");
}

// A real Access file as version-6 source is read up to the release check;
// one of a later format ends the run with the description alone.
TEST_F(EndedRun, AnAccessSourceIsReadUpToTheReleaseCheck) {
    SKIP_WITHOUT_JET_FILES();
    std::filesystem::create_directory(archive.dir.path() / "access");
    archive.view.source = archive.dir.file("access/VANTORIMA6.MDB");
    std::filesystem::copy_file(testing_support::JetFile("nwind.mdb"), archive.view.source);
    std::filesystem::permissions(archive.view.source, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    ExpectEndedWith("VERSIONE VANTORIMA 6 ERRATA !");

    std::fstream patch(archive.view.source, std::ios::in | std::ios::out | std::ios::binary);
    patch.seekp(4) << "Standard ACE DB";
    patch.close();
    archive.Run();
    EXPECT_EQ(archive.view.log.back(), "PROCEDURA INTERROTTA Errore nr. 3343 - Formato di database non supportato o file danneggiato.");
}

// A damaged Access archive ends the run with its number; the window stays usable.
TEST_F(EndedRun, ADamagedAccessSourceEndsTheRunWith3343) {
    SKIP_WITHOUT_JET_FILES();
    const std::string damaged = testing_support::DamagedFile("jet4-catalog-bytes-flipped.mdb");
    if (!std::filesystem::exists(damaged)) GTEST_SKIP() << "no damaged Access files";
    std::filesystem::create_directory(archive.dir.path() / "access");
    archive.view.source = archive.dir.file("access/VANTORIMA6.MDB");
    std::filesystem::copy_file(damaged, archive.view.source);
    ExpectEndedWith("PROCEDURA INTERROTTA Errore nr. 3343 - Formato di database non supportato o file danneggiato.");
}

TEST_F(EndedRun, AValueTheTargetCannotTakeEndsTheRun) {
    archive.ExecuteSource("DROP TABLE [tabewww]");
    archive.ExecuteSource("CREATE TABLE [tabewww] ([id] TEXT(10), [nominativo] TEXT(50), [www] TEXT(100))");
    archive.ExecuteSource("INSERT INTO [tabewww] ([id], [nominativo], [www]) VALUES ('W-1', 'Sito', 'http://a.it')");
    archive.Run();
    const std::string& last = archive.view.log.back();
    EXPECT_TRUE(last.rfind("PROCEDURA INTERROTTA Errore nr. 3421 - ", 0) == 0 ||
                last.rfind("PROCEDURA INTERROTTA Errore nr. 13 - ", 0) == 0) << last;
    EXPECT_EQ(archive.view.log.end()[-2], "TABELLA BANCHE convertite 3 voci");
    EXPECT_TRUE(archive.view.buttonsEnabled);
}

} // namespace
