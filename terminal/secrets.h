#ifndef PELLORA_TERMINAL_SECRETS_H_
#define PELLORA_TERMINAL_SECRETS_H_

#include <string>

namespace pellora::terminal {

// A new PIN of six digits, drawn from the system's random source.
std::string NewPin();
// A salted slow hash of `pin` (Argon2id, with its parameters and salt in the text).
std::string HashPin(const std::string& pin);
// Whether `pin` is the one `hash` was made from.
bool PinMatches(const std::string& hash, const std::string& pin);
// A new session token: 32 random bytes as hexadecimal text.
std::string NewToken();
// What the company keeps of a token: its SHA-256, as hexadecimal text. A token is random, so a
// fast digest is enough to keep it from anyone who reads the table.
std::string TokenDigest(const std::string& token);

}  // namespace pellora::terminal

#endif  // PELLORA_TERMINAL_SECRETS_H_
