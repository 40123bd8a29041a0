#ifndef PELLORA_RUNTIME_LATE_BOUND_OBJECT_H_
#define PELLORA_RUNTIME_LATE_BOUND_OBJECT_H_

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/variant.h"

namespace pellora {

// An object the system reaches by member name at run time, as VB's late binding does: it knows
// a fixed set of members (names without regard to case), each holding a Variant, and fails with
// 438 for any other name. Members that hold an object (a lot's "campos") are child objects.
class LateBoundObject {
 public:
  struct ChildObject {
    std::string member;
    std::vector<std::string> members;
  };

  LateBoundObject(std::string class_name, const std::vector<std::string>& members,
                  const std::vector<ChildObject>& child_objects = {});

  const std::string& class_name() const { return class_name_; }
  bool IsMember(std::string_view member) const;

  // The member's value; Empty until set.
  Variant Get(std::string_view member) const;
  void Set(std::string_view member, const Variant& value);
  // A member that holds an object, e.g. Object("campos").Set("Artigo", ...).
  LateBoundObject& Object(std::string_view member);
  const LateBoundObject& Object(std::string_view member) const;

  // Every member that was given a value, in the order of the member list.
  std::vector<std::pair<std::string, Variant>> SetMembers() const;

 private:
  struct NoCase {
    bool operator()(const std::string& a, const std::string& b) const;
  };
  const std::string& CanonicalName(std::string_view member) const;  // 438 when unknown

  std::string class_name_;
  std::vector<std::string> order_;
  std::map<std::string, std::string, NoCase> canonical_;
  std::map<std::string, Variant, NoCase> values_;
  std::map<std::string, std::unique_ptr<LateBoundObject>, NoCase> children_;
};

using LateBoundPtr = std::shared_ptr<LateBoundObject>;

}  // namespace pellora

#endif  // PELLORA_RUNTIME_LATE_BOUND_OBJECT_H_
