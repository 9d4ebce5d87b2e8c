#!/usr/bin/env bash
# Quarvel.exe typed at a prompt: Wine gives the process the terminal's console
# (attaching to the parent's then fails with error 5), and the report must
# appear there. A pseudo-terminal (script) stands for the prompt.
# Argument: Quarvel.exe.
set -uo pipefail
program="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }
# What the terminal shows of one run, without its line ends and colour codes.
typed() {
    timeout 60 script -qc "stty cols 400; wine '$program' $1" /dev/null </dev/null |
        tr -d '\r' | sed 's/\x1b\[[0-9;?]*[A-Za-z]//g'
}
shown=$(typed '/?')
grep -q '^Uso:$' <<<"$shown" || fail "the usage did not appear: $shown"
grep -qF 'Quarvel.exe /importar ARQUIVO [/senha:CÓDIGO] [/log:ARQUIVO]' <<<"$shown" ||
    fail "the usage lost its accents: $shown"
shown=$(typed '/Senha:Segredo /snha:Segredo')
grep -qF 'Linha de comando errada: opção desconhecida: a 2ª opção; nada foi feito. Veja Quarvel.exe /? (código 1)' \
    <<<"$shown" || fail "the report did not appear: $shown"
grep -q Segredo <<<"$shown" && fail "the report shows the lock code: $shown"
echo "console test passed"
