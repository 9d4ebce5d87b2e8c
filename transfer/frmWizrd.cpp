#include "transfer/frmWizrd.h"

#include "transfer/ConfigExport.h"
#include "transfer/ConfigImport.h"

namespace transfer {
namespace {
using forms::Label;
constexpr char kTitle[] = "Quarvel";
}  // namespace

frmWizrd::frmWizrd(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmWizrd", "Assistente de exportação", 380, 392),
      Label1(*this, "Label1", {16, 12, 348, 20},
             "Selecione as configurações que devem ser exportadas:"),
      Label7(*this, "Label7", {16, 300, 168, 28}, "Todas", Label::Look::Button),
      Label8(*this, "Label8", {196, 300, 168, 28}, "Nenhuma", Label::Look::Button),
      Label5(*this, "Label5", {16, 344, 168, 32}, "Exportar para disquete", Label::Look::Button),
      Label6(*this, "Label6", {196, 344, 168, 32}, "Exportar para outro local...",
             Label::Look::Button),
      context_(context) {
    int y = 40;
    for (const ExportGroupInfo& group : kExportGroups) {
        groups.push_back(std::make_unique<forms::CheckBox>(*this, std::string(group.checkBox),
                                                           forms::Rect{24, y, 340, 24},
                                                           std::string(group.caption)));
        y += 28;
    }
    Label7.onClick = [this] { Todas_Click(); };
    Label8.onClick = [this] { Nenhuma_Click(); };
    Label5.onClick = [this] { Floppy_Click(); };
    Label6.onClick = [this] { OtherPlace_Click(); };
}

void frmWizrd::Todas_Click() {
    for (auto& box : groups) box->SetChecked(true);
}

void frmWizrd::Nenhuma_Click() {
    for (auto& box : groups) box->SetChecked(false);
}

std::string frmWizrd::Collect() {
    std::vector<ExportGroup> ticked;
    for (std::size_t i = 0; i < kExportGroups.size(); ++i)
        if (groups[i]->checked()) ticked.push_back(kExportGroups[i].group);
    std::string content = CollectFile(context_, ticked);
    if (content.empty()) {
        context_.dialogs.ShowMessage(
            "É necessário selecionar algum ítem ou as restrições selecionadas não possuem "
            "alterações",
            kTitle, platform::style::Critical);
    }
    return content;
}

void frmWizrd::Floppy_Click() {
    std::string content = Collect();
    if (content.empty()) return;
    if (context_.files.WriteText(std::string(kFloppyFile), content)) {
        context_.dialogs.ShowMessage("O Arquivo de configurações foi gerado com sucesso!", kTitle,
                                     platform::style::Information);
    } else {
        context_.dialogs.ShowMessage("Erro ao gravar no disquete", kTitle,
                                     platform::style::Critical);
    }
}

void frmWizrd::OtherPlace_Click() {
    std::string content = Collect();
    if (content.empty()) return;
    auto path = context_.dialogs.SaveFile(
        {"Salvar config do Quarvel", "Configurações do Quarvel|*.qvc", "qvc", "C:\\"});
    if (!path || path->empty()) return;
    if (context_.files.WriteText(*path, content)) {
        context_.dialogs.ShowMessage("O Arquivo de configurações foi gerado com sucesso!", kTitle,
                                     platform::style::Information);
    } else {
        // A file the user chose and did not get deserves to be known.
        context_.dialogs.ShowMessage("Erro ao gravar o arquivo " + *path, kTitle,
                                     platform::style::Critical);
    }
}

}  // namespace transfer
