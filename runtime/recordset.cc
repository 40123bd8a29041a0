#include "runtime/recordset.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <utility>

#include "runtime/criteria_parser.h"
#include "runtime/error.h"
#include "runtime/field_type.h"
#include "runtime/row_table.h"
#include "runtime/text.h"

namespace pellora {

namespace {

constexpr char kSource[] = "ADODB.Recordset";

[[noreturn]] void Raise(long number) {
  RaiseRuntimeError(number, kSource);
}

}  // namespace

// The cursor moves over a view of the rows: every row, or the rows the filter selected (kept
// in row order, new rows appended). `position` is an index into that view; -1 is BOF and the
// view's size is EOF.
struct Recordset::Impl {
  FieldSetPtr fields = std::make_shared<FieldSet>();
  std::shared_ptr<FieldSet> appending;  // `fields` while this recordset appends to its own set
  bool open = false;
  RowTable table;
  std::string filter;
  std::optional<std::vector<size_t>> filtered_rows;  // none: no filter, every row visible
  long position = 0;
  int edit_mode = adEditNone;
  std::vector<Variant> values_before_edit;
  long position_before_add = 0;
  std::shared_ptr<RecordsetWriter> writer;

  long ViewSize() const {
    return static_cast<long>(filtered_rows ? filtered_rows->size() : table.size());
  }
  size_t RowAt(long view_position) const {
    return filtered_rows ? (*filtered_rows)[view_position] : static_cast<size_t>(view_position);
  }
  // Where a row stands in the view; nullopt when the filter hides it.
  std::optional<long> PositionOf(size_t row) const {
    if (!filtered_rows) return static_cast<long>(row);
    auto at = std::lower_bound(filtered_rows->begin(), filtered_rows->end(), row);
    if (at == filtered_rows->end() || *at != row) return std::nullopt;
    return static_cast<long>(at - filtered_rows->begin());
  }
  bool Bof() const { return ViewSize() == 0 || position < 0; }
  bool Eof() const { return ViewSize() == 0 || position >= ViewSize(); }
  bool HasCurrent() const { return !Bof() && !Eof(); }

  void RequireOpen() const {
    if (!open) Raise(kAdoObjectClosed);
  }
  size_t RequireCurrent() const {
    RequireOpen();
    if (!HasCurrent()) Raise(kAdoNoCurrentRecord);
    return RowAt(position);
  }
  void RequireClosed() const {
    if (open) Raise(kAdoObjectOpen);
  }
  size_t FieldIndexOf(std::string_view name) const {
    const std::optional<size_t> found = fields->position.Find(name);
    if (!found) Raise(kAdoItemNotFound);
    return *found;
  }
  // Every move, filter and find leaves the row being edited; ADO saves it first.
  void UpdateBeforeLeaving(Recordset& self) {
    if (edit_mode != adEditNone) self.Update();
  }
  void RequireMovable() const {
    RequireOpen();
    if (ViewSize() == 0) Raise(kAdoNoCurrentRecord);
  }
  Criteria ParseResolved(const std::string& text) const {
    Criteria criteria = ParseCriteria(text);
    for (auto& group : criteria.groups) {
      for (auto& clause : group) clause.field = FieldIndexOf(clause.field_name);
    }
    return criteria;
  }
  // The view position of the first row from `start` on in `step` direction that satisfies
  // `clause`, or -1 / ViewSize() when there is none.
  long Search(const CriteriaClause& clause, long start, int step);
};

long Recordset::Impl::Search(const CriteriaClause& clause, long start, int step) {
  const long not_found = step > 0 ? ViewSize() : -1;
  if (start < 0 || start >= ViewSize()) return not_found;
  const std::vector<CriteriaClause> group{clause};
  std::optional<std::vector<size_t>> candidates = table.EqualityCandidates(clause);
  if (!candidates) {
    for (long at = start; at >= 0 && at < ViewSize(); at += step) {
      if (table.Matches(RowAt(at), group)) return at;
    }
    return not_found;
  }
  const size_t start_row = RowAt(start);
  auto first = std::lower_bound(candidates->begin(), candidates->end(), start_row);
  if (step > 0) {
    for (auto row = first; row != candidates->end(); ++row) {
      std::optional<long> at = PositionOf(*row);
      if (at && table.Matches(*row, group)) return *at;
    }
  } else {
    auto last = first != candidates->end() && *first == start_row ? first + 1 : first;
    for (auto row = std::make_reverse_iterator(last); row != candidates->rend(); ++row) {
      std::optional<long> at = PositionOf(*row);
      if (at && table.Matches(*row, group)) return *at;
    }
  }
  return not_found;
}

// ---- Field

const FieldDef& Field::Def() const {
  return recordset_->FieldDefAt(index_);
}

Variant Field::Value() const {
  const Recordset::Impl& impl = *recordset_->impl_;
  return impl.table.Value(impl.RequireCurrent(), index_);
}

void Field::SetValue(const Variant& value) {
  Recordset::Impl& impl = *recordset_->impl_;
  size_t row = impl.RequireCurrent();
  Variant stored = CoerceToFieldType(Type(), value);
  if (impl.edit_mode == adEditNone) {
    impl.values_before_edit = impl.table.Values(row);
    impl.edit_mode = adEditInProgress;
  }
  impl.table.Set(row, index_, std::move(stored));
}

Variant Field::OriginalValue() const {
  const Recordset::Impl& impl = *recordset_->impl_;
  return impl.table.Original(impl.RequireCurrent(), index_);
}

// ---- Fields

Recordset::Recordset() : impl_(std::make_unique<Impl>()) {}
Recordset::~Recordset() = default;

size_t Recordset::FieldCount() const {
  return impl_->fields->defs.size();
}

Field Recordset::Fields(size_t index) {
  FieldDefAt(index);
  return Field(this, index);
}

Field Recordset::Fields(std::string_view name) {
  return Field(this, impl_->FieldIndexOf(name));
}

bool Recordset::HasField(std::string_view name) const {
  return impl_->fields->position.Find(name).has_value();
}

const FieldDef& Recordset::FieldDefAt(size_t index) const {
  if (index >= impl_->fields->defs.size()) Raise(kAdoItemNotFound);
  return impl_->fields->defs[index];
}

void Recordset::AppendField(const std::string& name, int type, long defined_size, long attributes) {
  FieldDef def;
  def.name = name;
  def.type = type;
  def.defined_size = defined_size > 0 ? defined_size : DefaultDefinedSize(type);
  def.attributes = attributes == adFldUnspecified ? DefaultAttributes(type) : attributes;
  AppendField(std::move(def));
}

void FieldDef::TakeColumnTraits(bool primary_key, bool is_identity, bool not_null) {
  key = primary_key;
  identity = is_identity;
  if (!not_null && !key) attributes |= adFldIsNullable;
  if (key) attributes |= adFldKeyColumn;
  if (!identity) attributes |= adFldUpdatable;
}

void FieldSet::Append(FieldDef def) {
  position.Add(def.name, defs.size());
  defs.push_back(std::move(def));
}

void Recordset::AppendField(FieldDef def) {
  impl_->RequireClosed();
  if (impl_->appending != impl_->fields) {  // a set given by SetFields may be shared
    impl_->appending = std::make_shared<FieldSet>(*impl_->fields);
    impl_->fields = impl_->appending;
  }
  impl_->appending->Append(std::move(def));
}

void Recordset::SetFields(FieldSetPtr fields) {
  impl_->RequireClosed();
  impl_->fields = std::move(fields);
}

// ---- Life

void Recordset::Open() {
  impl_->RequireClosed();
  impl_->open = true;
  impl_->position = 0;
}

bool Recordset::IsOpen() const {
  return impl_->open;
}

void Recordset::Close() {
  impl_->RequireOpen();
  impl_->table.Clear();
  impl_->filter.clear();
  impl_->filtered_rows.reset();
  impl_->edit_mode = adEditNone;
  impl_->open = false;
}

void Recordset::LoadRow(std::vector<Variant> values) {
  impl_->RequireClosed();
  if (values.size() != impl_->fields->defs.size()) Raise(kAdoInvalidArgument);
  impl_->table.Append(std::move(values), RowState::kUnchanged);
}

std::shared_ptr<Recordset> Recordset::CopyOfRows() const {
  auto copy = std::make_shared<Recordset>();
  copy->impl_->fields = impl_->fields;
  for (size_t row = 0; row < impl_->table.size(); ++row) {
    copy->impl_->table.Append(impl_->table.Values(row), RowState::kUnchanged);
  }
  copy->Open();
  return copy;
}

void Recordset::SetWriter(std::shared_ptr<RecordsetWriter> writer) {
  impl_->writer = std::move(writer);
}

// ---- Cursor

bool Recordset::Bof() const {
  impl_->RequireOpen();
  return impl_->Bof();
}

bool Recordset::Eof() const {
  impl_->RequireOpen();
  return impl_->Eof();
}

void Recordset::MoveFirst() {
  impl_->RequireMovable();
  impl_->UpdateBeforeLeaving(*this);
  impl_->position = 0;
}

void Recordset::MoveLast() {
  impl_->RequireMovable();
  impl_->UpdateBeforeLeaving(*this);
  impl_->position = impl_->ViewSize() - 1;
}

void Recordset::MoveNext() {
  impl_->RequireMovable();
  if (impl_->Eof()) Raise(kAdoNoCurrentRecord);
  impl_->UpdateBeforeLeaving(*this);
  ++impl_->position;
}

void Recordset::MovePrevious() {
  impl_->RequireMovable();
  if (impl_->Bof()) Raise(kAdoNoCurrentRecord);
  impl_->UpdateBeforeLeaving(*this);
  impl_->position = std::min(impl_->position, impl_->ViewSize()) - 1;
}

long Recordset::RecordCount() const {
  impl_->RequireOpen();
  return impl_->ViewSize();
}

long Recordset::AbsolutePosition() const {
  impl_->RequireOpen();
  if (impl_->ViewSize() == 0) return adPosUnknown;
  if (impl_->Bof()) return adPosBOF;
  if (impl_->Eof()) return adPosEOF;
  return impl_->position + 1;
}

void Recordset::SetAbsolutePosition(long position) {
  impl_->RequireOpen();
  if (position < 1 || position > impl_->ViewSize()) Raise(kAdoInvalidArgument);
  impl_->UpdateBeforeLeaving(*this);
  impl_->position = position - 1;
}

// ---- Filter and Find

void Recordset::SetFilter(const std::string& criteria) {
  impl_->RequireOpen();
  const bool clears = Trim(criteria).empty();
  std::optional<Criteria> parsed;
  if (!clears) parsed = impl_->ParseResolved(criteria);
  impl_->UpdateBeforeLeaving(*this);
  if (clears) {
    impl_->filtered_rows.reset();
    impl_->filter.clear();
  } else {
    impl_->filtered_rows = impl_->table.Select(*parsed);
    impl_->filter = criteria;
  }
  impl_->position = 0;
}

const std::string& Recordset::Filter() const {
  return impl_->filter;
}

void Recordset::Find(const std::string& criterion, long skip_rows, int direction) {
  impl_->RequireOpen();
  Criteria parsed = impl_->ParseResolved(criterion);
  if (parsed.groups.size() != 1 || parsed.groups[0].size() != 1) Raise(kAdoInvalidArgument);
  impl_->UpdateBeforeLeaving(*this);
  const int step = direction == adSearchBackward ? -1 : 1;
  if (!impl_->HasCurrent()) {
    impl_->position = step > 0 ? impl_->ViewSize() : -1;
    return;
  }
  impl_->position = impl_->Search(parsed.groups[0][0], impl_->position + skip_rows * step, step);
}

// ---- Editing

void Recordset::AddNew() {
  impl_->RequireOpen();
  impl_->UpdateBeforeLeaving(*this);
  impl_->position_before_add = impl_->position;
  size_t row =
      impl_->table.Append(std::vector<Variant>(FieldCount(), Variant::Null()), RowState::kNew);
  if (impl_->filtered_rows) impl_->filtered_rows->push_back(row);
  impl_->position = impl_->ViewSize() - 1;
  impl_->edit_mode = adEditAdd;
}

void Recordset::Update() {
  size_t row = impl_->RequireCurrent();
  if (impl_->edit_mode == adEditNone) return;
  if (impl_->writer) {
    impl_->writer->WriteRow(*this, row);
    impl_->table.Accept(row);
  } else {
    impl_->table.MarkModified(row);
  }
  impl_->edit_mode = adEditNone;
  impl_->values_before_edit.clear();
}

void Recordset::CancelUpdate() {
  impl_->RequireOpen();
  if (impl_->edit_mode == adEditAdd) {
    impl_->table.RemoveLast();
    if (impl_->filtered_rows) impl_->filtered_rows->pop_back();
    impl_->position = impl_->position_before_add;
  } else if (impl_->edit_mode == adEditInProgress) {
    size_t row = impl_->RowAt(impl_->position);
    for (size_t field = 0; field < FieldCount(); ++field) {
      if (!(impl_->table.Value(row, field) == impl_->values_before_edit[field])) {
        impl_->table.Set(row, field, impl_->values_before_edit[field]);
      }
    }
    impl_->values_before_edit.clear();
  }
  impl_->edit_mode = adEditNone;
}

int Recordset::EditMode() const {
  return impl_->edit_mode;
}

// ---- Change tracking

size_t Recordset::RowCountAll() const {
  return impl_->table.size();
}

Recordset::RowState Recordset::StateOf(size_t row) const {
  return impl_->table.State(row);
}

const Variant& Recordset::ValueAt(size_t row, size_t field) const {
  return impl_->table.Value(row, field);
}

const Variant& Recordset::OriginalValueAt(size_t row, size_t field) const {
  return impl_->table.Original(row, field);
}

void Recordset::StoreValue(size_t row, size_t field, const Variant& value) {
  impl_->table.Set(row, field, value);
}

void Recordset::AcceptChanges() {
  impl_->table.AcceptAll();
}

size_t Recordset::CurrentRow() const {
  return impl_->RequireCurrent();
}

}  // namespace pellora
