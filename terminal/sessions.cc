#include "terminal/sessions.h"

#include <algorithm>

#include "dal/unit_of_work.h"
#include "runtime/convert.h"
#include "runtime/field_values.h"
#include "terminal/secrets.h"
#include "terminal/stamp.h"

namespace pellora::terminal {
namespace {

constexpr std::chrono::milliseconds kDelayPerFailure{250};

struct TerminalRecord {
  bool found = false;
  std::string id;  // as registered
  std::string pin_hash;
  std::string locked_until;
};

TerminalRecord ReadTerminal(DataAccess& data_access, const std::string& terminal) {
  RecordsetPtr row = data_access.RunWithValues(
      "SELECT TerminalId, PinHash, BloqueadoAte FROM oru_Terminais WHERE TerminalId = ?",
      {terminal});
  if (!HasRows(row)) return {};
  return {true, FieldText(*row, "TerminalId"), FieldText(*row, "PinHash"),
          FieldText(*row, "BloqueadoAte")};
}

}  // namespace

SignIn Sessions::Open(const std::string& terminal, const std::string& pin, std::time_t now) {
  const std::string current = StampText(now);
  const TerminalRecord record =
      company_.Use([&](DataAccess& data_access) { return ReadTerminal(data_access, terminal); });
  if (!record.found) return {SignIn::Outcome::kRefused, terminal, "", "", kDelayPerFailure};
  if (record.locked_until > current) {
    return {SignIn::Outcome::kLocked, record.id, "", record.locked_until, {}};
  }
  // The slow hash runs outside the company's connection, which other terminals keep using.
  if (!PinMatches(record.pin_hash, pin)) return Refuse(record.id, now);

  const std::string token = NewToken();
  company_.Use([&](DataAccess& data_access) {
    return InUnitOfWork(data_access, [&] {
      data_access.RunWithValues(
          "UPDATE oru_Terminais SET Falhas = 0, BloqueadoAte = NULL WHERE TerminalId = ?",
          {record.id});
      data_access.RunWithValues("DELETE FROM oru_TerminaisSessoes WHERE Expira <= ?", {current});
      data_access.RunWithValues(
          "INSERT INTO oru_TerminaisSessoes (TokenHash, TerminalId, Expira) VALUES (?, ?, ?)",
          {TokenDigest(token), record.id, StampText(now + kSessionSeconds)});
      return true;
    });
  });
  return {SignIn::Outcome::kSignedIn, record.id, token, "", {}};
}

SignIn Sessions::Refuse(const std::string& terminal, std::time_t now) {
  return company_.Use([&](DataAccess& data_access) {
    return InUnitOfWork(data_access, [&] {
      data_access.RunWithValues("UPDATE oru_Terminais SET Falhas = Falhas + 1 WHERE TerminalId = ?",
                                {terminal});
      RecordsetPtr row = data_access.RunWithValues(
          "SELECT Falhas FROM oru_Terminais WHERE TerminalId = ?", {terminal});
      const int failures = HasRows(row) ? static_cast<int>(FieldNumber(*row, "Falhas")) : 1;
      if (failures < kFailuresBeforeLock) {
        return SignIn{SignIn::Outcome::kRefused, terminal, "", "", kDelayPerFailure * failures};
      }
      const std::string until = StampText(now + kLockSeconds);
      data_access.RunWithValues(
          "UPDATE oru_Terminais SET Falhas = 0, BloqueadoAte = ? WHERE TerminalId = ?",
          {until, terminal});
      // A locked terminal's sessions end too: whoever guesses at its PIN may hold one.
      data_access.RunWithValues("DELETE FROM oru_TerminaisSessoes WHERE TerminalId = ?",
                                {terminal});
      return SignIn{SignIn::Outcome::kLocked, terminal, "", until, kDelayPerFailure * failures};
    });
  });
}

SessionCheck Sessions::Check(const std::string& token, std::time_t now) {
  if (token.empty()) return {SessionCheck::State::kUnknown, ""};
  return company_.Use([&](DataAccess& data_access) {
    RecordsetPtr row = data_access.RunWithValues(
        "SELECT S.TerminalId, S.Expira FROM oru_TerminaisSessoes AS S "
        "INNER JOIN oru_Terminais AS T ON T.TerminalId = S.TerminalId WHERE S.TokenHash = ?",
        {TokenDigest(token)});
    if (!HasRows(row)) return SessionCheck{SessionCheck::State::kUnknown, ""};
    if (FieldText(*row, "Expira") <= StampText(now)) {
      return SessionCheck{SessionCheck::State::kExpired, ""};
    }
    return SessionCheck{SessionCheck::State::kValid, FieldText(*row, "TerminalId")};
  });
}

void Sessions::Close(const std::string& token) {
  company_.Use([&](DataAccess& data_access) {
    return data_access.RunWithValues("DELETE FROM oru_TerminaisSessoes WHERE TokenHash = ?",
                                     {TokenDigest(token)});
  });
}

}  // namespace pellora::terminal
