// Declaring variables and fields, choosing the layout file and opening the
// designer on it.
#include <fstream>

#include "report/composer/business_layout.h"
#include "support/report_fixture.h"

namespace report_testing {
namespace {

using namespace report;
using DesignOperations = ReportTest;

TEST_F(DesignOperations, DeclaringAgainRefreshesInPlaceAndEachListClearsAlone) {
    std::string contents = "120";
    engine.AddHeaderVariable("numero", contents, kFieldTypeNumeric);
    contents = "Bologna";
    engine.AddHeaderVariable("citta", contents, kFieldTypeText);
    contents = "121";
    engine.AddHeaderVariable("numero", contents, kFieldTypeNumeric);
    contents = "FE-1020";
    engine.AddLineField("codice", contents, kFieldTypeText);

    ASSERT_EQ(engine.Variables().Items().size(), 2u);
    EXPECT_EQ(engine.Variables().Items()[0].name, "numero");
    EXPECT_EQ(engine.Variables().Items()[0].contents, "121");
    EXPECT_EQ(engine.Variables().Find("CITTA")->contents, "Bologna");

    engine.ClearFirstDefinitionList();
    EXPECT_TRUE(engine.Variables().Empty());
    EXPECT_FALSE(engine.Fields().Empty());
    engine.ClearSecondDefinitionList();
    EXPECT_TRUE(engine.Fields().Empty());
}

TEST_F(DesignOperations, TheSelectionKeepsTheCallersPathUnlessAnotherFileIsChosen) {
    std::string layoutFile = "C:\\archivi\\DDT.LST";
    EXPECT_EQ(engine.ChooseLayoutFile(nullptr, kProjectList, layoutFile), kResultOk);
    EXPECT_EQ(layoutFile, "C:\\archivi\\DDT.LST");
    ASSERT_EQ(screens.offeredFiles.size(), 1u);
    EXPECT_EQ(screens.offeredFiles[0], Archive("DDT.LST"));

    // Another file comes back as the drive path the operator knows.
    screens.ChooseFile(Archive("Altro.LST"));
    EXPECT_EQ(engine.ChooseLayoutFile(nullptr, kProjectList, layoutFile), kResultOk);
    EXPECT_EQ(layoutFile, "C:\\archivi\\Altro.LST");

    screens.CancelFileChoice();
    EXPECT_EQ(engine.ChooseLayoutFile(nullptr, kProjectList, layoutFile), kResultCancelled);
    EXPECT_EQ(layoutFile, "C:\\archivi\\Altro.LST");

    EXPECT_EQ(engine.ChooseLayoutFile(nullptr, 1, layoutFile), kResultBadArgument);
    EXPECT_EQ(screens.offeredFiles.size(), 3u);
}

TEST_F(DesignOperations, AMissingLayoutFileOpensTheDesignerOnTheDefaultLayout) {
    std::string contents = "Ferramenta Bianchi S.r.l.";
    engine.AddHeaderVariable("nominativo", contents, kFieldTypeText);
    contents = "12";
    engine.AddLineField("qtà", contents, kFieldTypeNumeric);
    // The operator saves what the designer shows.
    screens.designer = [](DesignRequest& request) {
        std::string error;
        ASSERT_TRUE(SaveLayout(request.file, request.layout, error)) << error;
    };

    std::string layoutFile = "C:\\archivi\\Fattura.LST";
    EXPECT_EQ(engine.OpenLayoutDesigner(nullptr, "Impostazione modulo Fattura", kProjectList, layoutFile), kResultOk);

    ASSERT_EQ(screens.designs.size(), 1u);
    const DesignRequest design = screens.designs[0];
    EXPECT_EQ(design.title, "Impostazione modulo Fattura");
    EXPECT_EQ(design.file, Archive("Fattura.LST"));
    EXPECT_TRUE(design.newLayout);
    EXPECT_EQ(design.layout, BusinessLayout("FATTURA", engine.Variables(), engine.Fields()));
    EXPECT_EQ(design.variables.Find("nominativo")->contents, "Ferramenta Bianchi S.r.l.");
    EXPECT_EQ(design.fields.Find("qtà")->type, kFieldTypeNumeric);

    // The second time the saved file is the one designed.
    screens.designer = nullptr;
    EXPECT_EQ(engine.OpenLayoutDesigner(nullptr, "Impostazione modulo Fattura", kProjectList, layoutFile), kResultOk);
    ASSERT_EQ(screens.designs.size(), 2u);
    EXPECT_FALSE(screens.designs[1].newLayout);
    EXPECT_EQ(screens.designs[1].layout, design.layout);
}

TEST_F(DesignOperations, AFileThatIsNoLayoutIsNeitherDesignedNorOverwritten) {
    const std::string foreign = "LL binary project\x01\x02";
    std::ofstream(Archive("NOTAC.LST"), std::ios::binary) << foreign;
    std::string layoutFile = "C:\\archivi\\NOTAC.LST";
    EXPECT_EQ(engine.OpenLayoutDesigner(nullptr, "Impostazione modulo Fattura", kProjectList, layoutFile),
              kResultBadLayout);
    EXPECT_TRUE(screens.designs.empty());
    std::ifstream in(Archive("NOTAC.LST"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), foreign);
}

TEST_F(DesignOperations, ADamagedLayoutStartsAgainFromTheDefaultKeepingTheDamagedFileBeside) {
    std::string contents = "FE-1020";
    engine.AddLineField("codice", contents, kFieldTypeText);
    WriteLayout("Fattura.LST", BusinessLayout("FATTURA", engine.Variables(), engine.Fields()));
    fs::resize_file(Archive("Fattura.LST"), 200);   // cut short
    std::ifstream in(Archive("Fattura.LST"), std::ios::binary);
    const std::string damaged(std::istreambuf_iterator<char>(in), {});
    std::string layoutFile = "C:\\archivi\\Fattura.LST";

    boxes.Answer(ui::kNo);
    EXPECT_EQ(engine.OpenLayoutDesigner(nullptr, "Impostazione modulo Fattura", kProjectList, layoutFile),
              kResultCancelled);
    EXPECT_TRUE(screens.designs.empty());
    EXPECT_FALSE(fs::exists(Archive("Fattura.LST.danneggiato")));

    EXPECT_EQ(engine.OpenLayoutDesigner(nullptr, "Impostazione modulo Fattura", kProjectList, layoutFile), kResultOk);
    ASSERT_EQ(boxes.Requests().size(), 2u);
    EXPECT_EQ(boxes.Requests()[1].text,
              "Il modulo C:\\archivi\\Fattura.LST non è valido. Ripartire dal modulo predefinito?");
    ASSERT_EQ(screens.designs.size(), 1u);
    EXPECT_TRUE(screens.designs[0].newLayout);
    EXPECT_EQ(screens.designs[0].layout, BusinessLayout("FATTURA", engine.Variables(), engine.Fields()));
    const auto bytes = [this](const char* name) {
        std::ifstream in(Archive(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(bytes("Fattura.LST.danneggiato"), damaged);
    // Damaged again: the earlier copy stays, the new one goes beside it.
    std::ofstream(Archive("Fattura.LST"), std::ios::binary) << R"({"format": "vantorima-layout", "ver)";
    EXPECT_EQ(engine.OpenLayoutDesigner(nullptr, "Impostazione modulo Fattura", kProjectList, layoutFile), kResultOk);
    EXPECT_EQ(bytes("Fattura.LST.danneggiato"), damaged);
    EXPECT_EQ(bytes("Fattura.LST.danneggiato.2"), R"({"format": "vantorima-layout", "ver)");
}

} // namespace
} // namespace report_testing
