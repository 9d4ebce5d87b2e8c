#include "core/ObjectFile.h"

#include "core/StorableText.h"

namespace core {

std::optional<std::string> DamagedObject(Context& context) {
    if (!context.target.Damaged()) return std::nullopt;
    return "O arquivo " + context.target.File() +
           " não é um Registry.pol válido (cortado, com lixo ou de outra versão): nada foi lido "
           "dele nem gravado nele.";
}

bool SayDamagedObject(Context& context, std::uint32_t style) {
    auto damaged = DamagedObject(context);
    if (damaged) context.dialogs.ShowMessage(*damaged, "Quarvel", style);
    return damaged.has_value();
}

void CommitCommand(Context& context) {
    if (context.target.Commit()) return;
    const std::string& file = context.target.NotWritten();
    context.dialogs.ShowMessage(
        file.ends_with("gpt.ini")
            ? "Não foi possível aumentar a versão em " + file +
                  ": o Windows não aplicará esta mudança às contas do destino."
            : "Não foi possível gravar " + file +
                  ": a mudança não chegou ao objeto de política e o Windows não a aplicará.",
        "Erro", platform::style::Critical);
}

void ShowNotStored(Context& context, std::string_view what, std::string_view why) {
    auto damaged = DamagedObject(context);
    ShowNotStored(context.dialogs, what, damaged ? std::string_view(*damaged) : why);
}

void ShowNotStored(Context& context, Hive hive, std::string_view key, std::string_view what) {
    if (DamagedObject(context)) return ShowNotStored(context, what);
    ShowNotStored(context.registry, context.dialogs, hive, key, what);
}

}  // namespace core
