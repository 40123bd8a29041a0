#include "runtime/late_bound_object.h"

#include <strings.h>

#include <utility>

#include "runtime/error.h"

namespace pellora {

bool LateBoundObject::NoCase::operator()(const std::string& a, const std::string& b) const {
  return strcasecmp(a.c_str(), b.c_str()) < 0;
}

LateBoundObject::LateBoundObject(std::string class_name, const std::vector<std::string>& members,
                                 const std::vector<ChildObject>& child_objects)
    : class_name_(std::move(class_name)), order_(members) {
  for (const std::string& member : members) canonical_.emplace(member, member);
  for (const ChildObject& child : child_objects) {
    canonical_.emplace(child.member, child.member);
    children_.emplace(child.member, std::make_unique<LateBoundObject>(
                                        class_name_ + "." + child.member, child.members));
  }
}

bool LateBoundObject::IsMember(std::string_view member) const {
  return canonical_.count(std::string(member)) > 0;
}

const std::string& LateBoundObject::CanonicalName(std::string_view member) const {
  auto it = canonical_.find(std::string(member));
  if (it == canonical_.end()) {
    throw Error(kMemberNotFound, class_name_,
                "O objecto não suporta esta propriedade ou método (" + std::string(member) + ").");
  }
  return it->second;
}

Variant LateBoundObject::Get(std::string_view member) const {
  auto it = values_.find(CanonicalName(member));
  return it == values_.end() ? Variant() : it->second;
}

void LateBoundObject::Set(std::string_view member, const Variant& value) {
  const std::string& name = CanonicalName(member);
  if (children_.count(name)) {
    throw Error(kMemberNotFound, class_name_,
                "O membro " + name + " é um objecto e não recebe um valor.");
  }
  values_[name] = value;
}

LateBoundObject& LateBoundObject::Object(std::string_view member) {
  return const_cast<LateBoundObject&>(std::as_const(*this).Object(member));
}

const LateBoundObject& LateBoundObject::Object(std::string_view member) const {
  auto it = children_.find(CanonicalName(member));
  if (it == children_.end()) {
    throw Error(kObjectNotSet, class_name_,
                "Variável de objecto não definida (" + std::string(member) + ").");
  }
  return *it->second;
}

std::vector<std::pair<std::string, Variant>> LateBoundObject::SetMembers() const {
  std::vector<std::pair<std::string, Variant>> members;
  for (const std::string& name : order_) {
    auto it = values_.find(name);
    if (it != values_.end()) members.emplace_back(name, it->second);
  }
  return members;
}

}  // namespace pellora
