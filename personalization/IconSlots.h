#pragma once
// The 41 system icons the shell takes from the Shell Icons key: slot k
// (counted from 1 on screen) is the value named by the decimal text of k - 1.
#include <array>
#include <string_view>

namespace personalization {

inline constexpr std::string_view kShellIconsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Icons";
// The shell's icon cache, in the Windows folder.
inline constexpr std::string_view kIconCacheName = "\\ShellIconCache";
inline constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Run at the next start of Windows: the companion that cleans the icon cache.
inline constexpr std::string_view kDelIconCache = "DelIconCache";
inline constexpr std::string_view kCacheCleaner = "\\limpaico.exe";

struct IconSlot {
    std::string_view valueName;  // "0" to "40"
    std::string_view number;     // the label beside the well, "01" to "41"
    std::string_view listEntry;  // the slot's line in "Relação dos números:"
};

inline constexpr std::size_t kIconSlotCount = 41;

inline constexpr std::array<IconSlot, kIconSlotCount> kIconSlots = {{
    {"0", "01", "1 - Arquivos Desconhecidos"},
    {"1", "02", "2 - Arquivos MSN"},
    {"2", "03", "3 - Aplicações Genéricas"},
    {"3", "04", "4 - Pasta fechada"},
    {"4", "05", "5 - Pasta aberta"},
    {"5", "06", "6 - Drive de 5.25\""},
    {"6", "07", "7 - Drive de 3.25\""},
    {"7", "08", "8 - Drive Removível"},
    {"8", "09", "9 - Disco Rígido"},
    {"9", "10", "10 - Drive de Rede"},
    {"10", "11", "11 - Drive de Rede Offline"},
    {"11", "12", "12 - Drive de CD-Rom"},
    {"12", "13", "13 - RAM drive"},
    {"13", "14", "14 - Rede"},
    {"14", "15", "15 - HUB da Rede"},
    {"15", "16", "16 - Meu Computador"},
    {"16", "17", "17 - Impressoras"},
    {"17", "18", "18 - Ambiente de Rede"},
    {"18", "19", "19 - Grupo de Trabalho"},
    {"19", "20", "20 - Programas (Iniciar)"},
    {"20", "21", "21 - Documentos (Iniciar)"},
    {"21", "22", "22 - Sentenças (Iniciar)"},
    {"22", "23", "23 - Localizar (Iniciar)"},
    {"23", "24", "24 - Ajuda (Iniciar)"},
    {"24", "25", "25 - Executar (Iniciar)"},
    {"25", "26", "26 - Suspender (Iniciar)"},
    {"26", "27", "27 - Estado de Espera (Iniciar)"},
    {"27", "28", "28 - Desligar (Iniciar)"},
    {"28", "29", "29 - Compartilhado"},
    {"29", "30", "30 - Seta de atalho"},
    {"30", "31", "31 - Desconhecidos"},
    {"31", "32", "32 - Lixeira Vazia"},
    {"32", "33", "33-  Lixeira Cheia "},
    {"33", "34", "34 - Rede Dial Up"},
    {"34", "35", "35 - Desktop"},
    {"35", "36", "36 - Painel de Controle"},
    {"36", "37", "37 - Programas (Iniciar)"},
    {"37", "38", "38 - Pasta de Impressoras"},
    {"38", "39", "39 - Pasta de Fontes"},
    {"39", "40", "40 - Ícone da Barra de Tarefas"},
    {"40", "41", "41 - CD de Áudio"},
}};

}  // namespace personalization
