#include "core/LockCode.h"

#include "core/Settings.h"

namespace core {

std::string ReadLockCode(RegistryAccess& registry) {
    return registry.GetValue(Hive::LocalMachine, kCurrentVersion, kLockCode);
}

RegistryStatus WriteLockCode(RegistryAccess& registry, const std::string& code) {
    return registry.SetValue(Hive::LocalMachine, kCurrentVersion, kLockCode, code,
                             ValueType::String);
}

void ShowWrongCode(platform::Dialogs& dialogs) {
    dialogs.ShowMessage("Seu código é inválido, para maiores informações, envie um E-mail para " +
                            std::string(kSupportEmail),
                        "Erro de Autenticação", platform::style::Plain);
}

}  // namespace core
