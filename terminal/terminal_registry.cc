#include "terminal/terminal_registry.h"

#include "dal/unit_of_work.h"
#include "runtime/field_values.h"
#include "terminal/company_link.h"
#include "terminal/secrets.h"
#include "terminal/stamp.h"

namespace pellora::terminal {

std::optional<std::string> TerminalIdFault(const std::string& id) {
  if (id.empty() || id.size() > 20) {
    return "O identificador do terminal deve ter de 1 a 20 caracteres: " + id + ".";
  }
  for (char c : id) {
    const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                         (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
    if (!allowed) {
      return "O identificador do terminal só pode ter letras, algarismos, \"-\", \"_\" e \".\": " +
             id + ".";
    }
  }
  return std::nullopt;
}

std::optional<std::string> TerminalRegistry::Add(const std::string& id, std::time_t now) {
  const std::string pin = NewPin();
  const std::string hash = HashPin(pin);
  return InUnitOfWork(data_access_, [&]() -> std::optional<std::string> {
    if (HasRows(data_access_.RunWithValues(
            "SELECT TerminalId FROM oru_Terminais WHERE TerminalId = ?", {id}))) {
      return std::nullopt;
    }
    data_access_.RunWithValues(
        "INSERT INTO oru_Terminais (TerminalId, PinHash, Falhas, Criado) VALUES (?, ?, 0, ?)",
        {id, hash, StampText(now)});
    return pin;
  });
}

std::vector<RegisteredTerminal> TerminalRegistry::List(std::time_t now) {
  RecordsetPtr rows = data_access_.RunWithValues(
      "SELECT TerminalId, Criado, BloqueadoAte FROM oru_Terminais ORDER BY TerminalId", {});
  std::vector<RegisteredTerminal> terminals;
  const std::string current = StampText(now);
  for (MoveToFirstRow(*rows); !rows->Eof(); rows->MoveNext()) {
    std::string locked = FieldText(*rows, "BloqueadoAte");
    if (locked <= current) locked.clear();
    terminals.push_back({FieldText(*rows, "TerminalId"), FieldText(*rows, "Criado"), locked});
  }
  return terminals;
}

bool TerminalRegistry::Remove(const std::string& id) {
  return InUnitOfWork(data_access_, [&] {
    if (!HasRows(data_access_.RunWithValues(
            "SELECT TerminalId FROM oru_Terminais WHERE TerminalId = ?", {id}))) {
      return false;
    }
    data_access_.RunWithValues("DELETE FROM oru_TerminaisSessoes WHERE TerminalId = ?", {id});
    data_access_.RunWithValues("DELETE FROM oru_Terminais WHERE TerminalId = ?", {id});
    return true;
  });
}

}  // namespace pellora::terminal
