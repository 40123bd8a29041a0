#include "terminal/secrets.h"

#include <sodium.h>

#include <mutex>
#include <stdexcept>

namespace pellora::terminal {
namespace {

void StartSodium() {
  static const int kStarted = sodium_init();
  if (kStarted < 0) throw std::runtime_error("Não foi possível iniciar a libsodium.");
}

std::string Hex(const unsigned char* bytes, size_t size) {
  std::string hex(size * 2 + 1, '\0');
  sodium_bin2hex(hex.data(), hex.size(), bytes, size);
  hex.pop_back();
  return hex;
}

// Each hash takes tens of megabytes for a moment: one at a time, however many terminals sign in.
std::mutex& HashingLock() {
  static std::mutex lock;
  return lock;
}

}  // namespace

std::string NewPin() {
  StartSodium();
  std::string pin;
  for (int i = 0; i < 6; ++i) pin += static_cast<char>('0' + randombytes_uniform(10));
  return pin;
}

std::string HashPin(const std::string& pin) {
  StartSodium();
  char hash[crypto_pwhash_STRBYTES];
  std::lock_guard<std::mutex> hashing(HashingLock());
  if (crypto_pwhash_str(hash, pin.data(), pin.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                        crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
    throw std::runtime_error("Memória insuficiente para calcular o resumo do PIN.");
  }
  return hash;
}

bool PinMatches(const std::string& hash, const std::string& pin) {
  StartSodium();
  std::lock_guard<std::mutex> hashing(HashingLock());
  return crypto_pwhash_str_verify(hash.c_str(), pin.data(), pin.size()) == 0;
}

std::string NewToken() {
  StartSodium();
  unsigned char bytes[32];
  randombytes_buf(bytes, sizeof bytes);
  return Hex(bytes, sizeof bytes);
}

std::string TokenDigest(const std::string& token) {
  StartSodium();
  unsigned char digest[crypto_hash_sha256_BYTES];
  crypto_hash_sha256(digest, reinterpret_cast<const unsigned char*>(token.data()), token.size());
  return Hex(digest, sizeof digest);
}

}  // namespace pellora::terminal
