#ifndef PELLORA_RUNTIME_LATE_BOUND_OBJECT_H_
#define PELLORA_RUNTIME_LATE_BOUND_OBJECT_H_

#include <memory>
#include <optional>
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
  // The members of one class of objects, worked out once and shared by all its objects: a
  // document's lines are many, their members the same.
  class Layout;
  using LayoutPtr = std::shared_ptr<const Layout>;
  static LayoutPtr MakeLayout(std::string class_name, const std::vector<std::string>& members,
                              const std::vector<ChildObject>& child_objects = {});

  explicit LateBoundObject(LayoutPtr layout);
  LateBoundObject(std::string class_name, const std::vector<std::string>& members,
                  const std::vector<ChildObject>& child_objects = {});
  LateBoundObject(LateBoundObject&&) noexcept;
  LateBoundObject& operator=(LateBoundObject&&) noexcept;
  ~LateBoundObject();

  const std::string& class_name() const;
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
  size_t IndexOf(std::string_view member) const;  // 438 when unknown

  LayoutPtr layout_;
  std::vector<std::optional<Variant>> values_;              // by member position; none until set
  std::vector<std::unique_ptr<LateBoundObject>> children_;  // by member position, or null
};

using LateBoundPtr = std::shared_ptr<LateBoundObject>;

}  // namespace pellora

#endif  // PELLORA_RUNTIME_LATE_BOUND_OBJECT_H_
