// The restriction wizard: its catalogue and what it stores in the allow-list
// (its way back to the allow-list screen goes through the real windows).
#include <gtest/gtest.h>

#include <map>

#include "restrictions/frmWizrd2.h"
#include "tests/support/Keys.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/support/TestProgram.h"

namespace {

using restrictions::frmWizrd2;
using testing_support::kAllowList;
using testing_support::kExplorer;
using testing_support::ShownMessage;

const ShownMessage kApplied{
    "As alterações foram aplicadas com sucesso, volte a tela anterior e clique em bloquear",
    "Quarvel", 64};

// The catalogue as the user and Windows know it: box, caption, indicator and
// every value it writes.
struct WizardRow {
    const char *box, *caption;
    int indicator;
    std::map<int, std::string> values;
};
// clang-format off
const WizardRow kCatalogue[] = {
    {"Check1", "Calculadora do Windows", 606, {{606, "calc.exe"}}},
    {"Check2", "Bloco de Notas", 607, {{607, "notepad.exe"}}},
    {"Check3", "Catálogo de Endereços", 608, {{608, "wab.exe"}}},
    {"Check4", "Kodak Imaging", 609, {{609, "kodakimg.exe"}}},
    {"Check5", "Microsoft Paint", 610, {{610, "mspaint.exe"}}},
    {"Check6", "Sincronizar", 611, {{611, "mobsync.exe"}}},
    {"Check7", "Windows Movie Maker", 612, {{612, "moviemk.exe"}}},
    {"Check8", "WordPad", 613, {{613, "wordpad.exe"}}},
    {"Check9", "Assistente de Scanner ou câmera", 614, {{614, "WIAACMGR.exe"}}},
    {"Check10", "Real Player", 615, {{615, "realplay.exe"}}},
    {"Check11", "Adobe Photoshop", 616, {{616, "photoshp.exe"}, {617, "photoshop.exe"}}},
    {"Check12", "Assistente para rede domestica", 618, {{618, "netconn.exe"}}},
    {"Check13", "Assistente para a conexão com internet", 619, {{619, "icwconn1.exe"}}},
    {"Check14", "Conexão direta via cabo", 620, {{620, "directcc.exe"}}},
    {"Check15", "Discagem automática", 621, {{621, "dialer.exe"}}},
    {"Check16", "MSN messager service", 622, {{622, "msmsgs.exe"}}},
    {"Check17", "Netmeeting", 625, {{623, "cb32.exe"}, {624, "conf.exe"}, {625, "wb32.exe"}}},
    {"Check18", "Controle de Volume ( mixer )", 626, {{626, "sndvol32.exe"}}},
    {"Check19", "Gravador de Som", 627, {{627, "sndrec32.exe"}}},
    {"Check20", "Windows Media Player", 629, {{628, "Mplayer2.exe"}, {629, "Wmplayer.exe"}}},
    {"Check21", "Assistente para manutenção", 630, {{630, "tuneup.exe"}}},
    {"Check22", "Desfragmentador de disco", 631, {{631, "defrag.exe"}}},
    {"Check23", "Informações sobre o sistema", 632, {{632, "msinfo32.exe"}}},
    {"Check24", "Limpeza de Disco", 633, {{633, "cleanmgr.exe"}}},
    {"Check25", "Restauração do sistema", 634, {{634, "rstrui.exe"}}},
    {"Check26", "Scandisk", 635, {{635, "scandskw.exe"}}},
    {"Check27", "Assistente para a publicação na WEB", 636, {{636, "wpwiz.exe"}}},
    {"Check28", "Jogos do Windows", 642, {{637, "WINMINE.exe"}, {638, "MSHEARTS.exe"}, {639, "HRTZZM.exe"}, {640, "CHKRZM.exe"}, {641, "SHVLZM.exe"}, {642, "FREECELL.exe"}, {643, "BCKGZM.exe"}, {644, "SOL.exe"}, {645, "SPIDER.exe"}, {646, "PINBALL.exe"}, {647, "RVSEZM.exe"}}},
    {"Check29", "Outlook Express", 651, {{649, "msimn.exe"}, {650, "oemig50.exe"}, {651, "wabmig.exe"}, {652, "msohelp.exe"}}},
    {"Check30", "Acrobat Reader", 653, {{653, "AcroRd32.exe"}}},
    {"Check31", "Internet Explorer", 658, {{654, "IEXPLORE.exe"}, {655, "ICWCONN1.exe"}, {656, "ICWCONN2.exe"}, {657, "ICWOOBE.exe"}, {658, "ICWRMIND.exe"}, {659, "ICWTUTOR.exe"}, {660, "INETWIZ.exe"}, {661, "ISIGNUP.exe"}}},
    {"Check32", "Microsoft Word", 662, {{662, "winword.exe"}}},
    {"Check33", "Microsoft Excel", 663, {{663, "excel.exe"}}},
    {"Check34", "Microsoft Binder", 664, {{664, "binder.exe"}}},
    {"Check35", "Microsoft Front Page", 665, {{665, "frontpg.exe"}}},
    {"Check36", "Microsoft Access", 666, {{666, "msaccess.exe"}}},
    {"Check37", "Nenhuma restrição no Microsoft Office", 693, {{667, "EXCEL.EXE"}, {668, "GRAPH8.EXE"}, {669, "OSA.EXE"}, {670, "MSO7FTPS.EXE "}, {671, "MSO7FTP.EXE"}, {672, "MSO7FTPA.EXE"}, {673, "FINDFAST.EXE"}, {674, "MSACCESS.EXE"}, {675, "MSACNV30.EXE"}, {676, "SCHDPL32.EXE"}, {677, "WINWORD.EXE"}, {678, "BINDER.EXE"}, {679, "POWERPNT.EXE"}, {680, "OUTLOOK.EXE"}, {681, "FINDER.EXE"}, {682, "SENDFILE.EXE"}, {683, "FRONTPG.EXE"}, {684, "GRAPH9.EXE"}, {685, "GRAPH7.EXE"}, {686, "GRAPH10.EXE"}, {687, "MSIMPORT.EXE"}, {688, "MSO7FTPS.EXE"}, {689, "MSOHTMED.EXE"}, {690, "OSA9.EXE"}, {691, "OSA10.EXE"}, {692, "OTUNEUP.EXE"}, {693, "VTIDISC.EXE"}, {694, "VTIFORM.EXE"}, {695, "VTIPRES.EXE"}, {696, "SETLANG.EXE"}, {697, "ORG11SVR.EXE"}, {698, "ORG21SVR.EXE"}, {699, "DATCRT.EXE"}, {700, "WEBPUB.EXE"}, {701, "MSQRY32.EXE"}, {702, "NSREX.EXE"}, {703, "RXCBPRXY.EXE"}, {704, "REXPROXY.EXE"}, {705, "WAVTOASF.EXE"}, {706, "DLGCANCL.EXE"}, {707, "SELFCERT.EXE"}, {708, "MAKECERT.EXE"}, {709, "MSOHELP.EXE"}, {710, "MSOFFICE.EXE"}, {711, "PROJWIZ.EXE"}, {712, "WFXMSRVR.EXE"}, {713, "WRKGADM.EXE"}, {714, "OLFSETUP.EXE"}, {715, "OLFMOD32.EXE"}, {716, "NFCLEAN.EXE"}, {717, "SCHDPL32.EXE"}, {718, "REGCFG.EXE"}, {719, "PPVIEW32.EXE"}}},
    {"Check38", "Prompt do MS-DOS", 721, {{720, "COMMAND.EXE"}, {721, "PROMPT DO MS-DOS.PIF"}}},
};
// clang-format on

class RestrictionWizard : public ::testing::Test {
  protected:
    void Store(int number, const std::string& text) {
        testing_support::PutText(program.registry, Hive::CurrentUser, kAllowList,
                                 std::to_string(number), text);
    }
    std::map<int, std::string> Stored() {
        return testing_support::NumberedValues(program.registry, Hive::CurrentUser, kAllowList, 1,
                                               800);
    }
    frmWizrd2& Open() { return program.screens.Open<frmWizrd2>(program.context); }
    forms::CheckBox& Box(frmWizrd2& wizard, const char* name) {
        return *static_cast<forms::CheckBox*>(wizard.Find(name));
    }

    testing_support::TestProgram program;
};

TEST_F(RestrictionWizard, EveryEntryReadsWritesAndIsShownByItsIndicatorAsCatalogued) {
    std::map<int, std::string> all, indicators, others;
    for (const WizardRow& row : kCatalogue)
        for (const auto& [number, file] : row.values) {
            all[number] = file;
            (number == row.indicator ? indicators : others)[number] = file;
        }
    ASSERT_EQ(std::size(kCatalogue), 38u);
    for (const auto& [number, file] : others) Store(number, file);
    frmWizrd2& wizard = Open();
    for (const WizardRow& row : kCatalogue) {
        EXPECT_EQ(Box(wizard, row.box).caption(), row.caption);
        EXPECT_FALSE(Box(wizard, row.box).checked()) << row.box << ": its indicator is missing";
        Box(wizard, row.box).UserClick();
    }
    wizard.Label3.UserClick();
    EXPECT_EQ(Stored(), all);
    for (const auto& [number, file] : others)
        program.registry.DeleteValue(Hive::CurrentUser, kAllowList, std::to_string(number));
    wizard.Label2.UserClick();  // "Atuais": the indicators alone tick every box
    for (const WizardRow& row : kCatalogue) EXPECT_TRUE(Box(wizard, row.box).checked()) << row.box;
    wizard.Label3.UserClick();  // every value written again, then every box cleared
    for (const WizardRow& row : kCatalogue) Box(wizard, row.box).UserClick();
    wizard.Label3.UserClick();
    EXPECT_TRUE(Stored().empty()) << "every value of every entry goes";
}

TEST_F(RestrictionWizard, ApplyingOfficeWritesItsOwnNumbersOnlyAndLeavesTheRestAlone) {
    Store(6, "meu.exe");
    Store(662, "winword.exe");
    Store(600, "fora.exe");
    // Another tool's DWORD 0 reads "0": the calculator's indicator is there.
    testing_support::PutBytes(program.registryApi, Hive::CurrentUser, kAllowList, "606", 4,
                              std::string(4, '\0'));
    frmWizrd2& wizard = Open();
    EXPECT_TRUE(Box(wizard, "Check1").checked());
    Box(wizard, "Check32").UserClick();  // the lower-case Word entry: unticked now
    Box(wizard, "Check37").UserClick();
    wizard.Label3.UserClick();
    EXPECT_EQ(program.dialogs.messages, std::vector<ShownMessage>{kApplied});
    EXPECT_TRUE(program.values.wizardApplied);
    std::map<int, std::string> stored = Stored();
    EXPECT_EQ(stored.count(662), 0u) << "unticked: removed";
    EXPECT_EQ(stored[6], "meu.exe") << "the user's range is never touched";
    EXPECT_EQ(stored[600], "fora.exe");
    EXPECT_EQ(stored.count(1), 0u) << "the program's own executables are the allow-list's business";
    EXPECT_EQ(stored.size(), 2u + 53u + 1u) << "the user's two, Office's 53, the calculator";
    EXPECT_TRUE(
        testing_support::IsAbsent(program.registry, Hive::CurrentUser, kExplorer, "RestrictRun"))
        << "the wizard never switches the restriction on";
    EXPECT_TRUE(program.screens.IsOpen(wizard)) << "the wizard stays open";
}

}  // namespace
