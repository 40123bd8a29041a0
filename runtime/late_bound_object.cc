#include "runtime/late_bound_object.h"

#include <utility>

#include "runtime/error.h"
#include "runtime/name_index.h"

namespace pellora {

class LateBoundObject::Layout {
 public:
  std::string class_name;
  std::vector<std::string> members;      // in order; child objects after the values
  std::vector<LayoutPtr> child_layouts;  // by member position, or null
  NameIndex position;
};

LateBoundObject::LayoutPtr LateBoundObject::MakeLayout(
    std::string class_name, const std::vector<std::string>& members,
    const std::vector<ChildObject>& child_objects) {
  auto layout = std::make_shared<Layout>();
  layout->class_name = std::move(class_name);
  for (const std::string& member : members) {
    if (layout->position.Add(member, layout->members.size())) {
      layout->members.push_back(member);
      layout->child_layouts.push_back(nullptr);
    }
  }
  for (const ChildObject& child : child_objects) {
    if (layout->position.Add(child.member, layout->members.size())) {
      layout->members.push_back(child.member);
      layout->child_layouts.push_back(
          MakeLayout(layout->class_name + "." + child.member, child.members));
    }
  }
  return layout;
}

LateBoundObject::LateBoundObject(LayoutPtr layout)
    : layout_(std::move(layout)),
      values_(layout_->members.size()),
      children_(layout_->members.size()) {
  for (size_t i = 0; i < children_.size(); ++i) {
    if (layout_->child_layouts[i]) {
      children_[i] = std::make_unique<LateBoundObject>(layout_->child_layouts[i]);
    }
  }
}

LateBoundObject::LateBoundObject(std::string class_name, const std::vector<std::string>& members,
                                 const std::vector<ChildObject>& child_objects)
    : LateBoundObject(MakeLayout(std::move(class_name), members, child_objects)) {}

LateBoundObject::LateBoundObject(LateBoundObject&&) noexcept = default;
LateBoundObject& LateBoundObject::operator=(LateBoundObject&&) noexcept = default;
LateBoundObject::~LateBoundObject() = default;

const std::string& LateBoundObject::class_name() const {
  return layout_->class_name;
}

bool LateBoundObject::IsMember(std::string_view member) const {
  return layout_->position.Find(member).has_value();
}

size_t LateBoundObject::IndexOf(std::string_view member) const {
  const std::optional<size_t> position = layout_->position.Find(member);
  if (!position) {
    throw Error(kMemberNotFound, layout_->class_name,
                "O objecto não suporta esta propriedade ou método (" + std::string(member) + ").");
  }
  return *position;
}

Variant LateBoundObject::Get(std::string_view member) const {
  const std::optional<Variant>& value = values_[IndexOf(member)];
  return value ? *value : Variant();
}

void LateBoundObject::Set(std::string_view member, const Variant& value) {
  const size_t index = IndexOf(member);
  if (children_[index]) {
    throw Error(kMemberNotFound, layout_->class_name,
                "O membro " + layout_->members[index] + " é um objecto e não recebe um valor.");
  }
  values_[index] = value;
}

LateBoundObject& LateBoundObject::Object(std::string_view member) {
  return const_cast<LateBoundObject&>(std::as_const(*this).Object(member));
}

const LateBoundObject& LateBoundObject::Object(std::string_view member) const {
  const size_t index = IndexOf(member);
  if (!children_[index]) {
    throw Error(kObjectNotSet, layout_->class_name,
                "Variável de objecto não definida (" + std::string(member) + ").");
  }
  return *children_[index];
}

std::vector<std::pair<std::string, Variant>> LateBoundObject::SetMembers() const {
  std::vector<std::pair<std::string, Variant>> members;
  for (size_t i = 0; i < values_.size(); ++i) {
    if (values_[i]) members.emplace_back(layout_->members[i], *values_[i]);
  }
  return members;
}

}  // namespace pellora
