#ifndef PELLORA_RUNTIME_RECORDSET_H_
#define PELLORA_RUNTIME_RECORDSET_H_

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/name_index.h"
#include "runtime/variant.h"

namespace pellora {

// ADO's DataTypeEnum values the system meets.
enum AdoType : int {
  adEmpty = 0,
  adSmallInt = 2,
  adInteger = 3,
  adSingle = 4,
  adDouble = 5,
  adCurrency = 6,
  adDate = 7,
  adBoolean = 11,
  adVariant = 12,
  adDecimal = 14,
  adTinyInt = 16,
  adUnsignedTinyInt = 17,
  adBigInt = 20,
  adBinary = 128,
  adChar = 129,
  adWChar = 130,
  adNumeric = 131,
  adDBTimeStamp = 135,
  adVarChar = 200,
  adLongVarChar = 201,
  adVarWChar = 202,
  adLongVarWChar = 203,
  adVarBinary = 204,
  adLongVarBinary = 205,
};

// ADO's FieldAttributeEnum values the system meets.
enum AdoFieldAttribute : long {
  adFldUnspecified = -1,
  adFldUpdatable = 0x4,
  adFldFixed = 0x10,
  adFldIsNullable = 0x20,
  adFldMayBeNull = 0x40,
  adFldLong = 0x80,
  adFldKeyColumn = 0x8000,
};

enum AdoSearchDirection : int { adSearchBackward = -1, adSearchForward = 1 };
enum AdoEditMode : int { adEditNone = 0, adEditInProgress = 1, adEditAdd = 2 };
enum AdoPosition : long { adPosUnknown = -1, adPosBOF = -2, adPosEOF = -3 };

// What a field is, and where its values come from (filled by the backend, empty for
// fabricated recordsets and expression columns).
struct FieldDef {
  std::string name;
  int type = adEmpty;
  long defined_size = 0;
  long attributes = 0;
  std::string base_table;   // table the column is read from
  std::string base_column;  // its name there
  bool key = false;         // part of the table's primary key
  bool identity = false;    // filled by the database on insert

  // Read from a table column: takes the column's key and identity, and the nullable and
  // updatable attributes ADO gives such a field.
  void TakeColumnTraits(bool primary_key, bool is_identity, bool not_null);
};

// The fields of a recordset in order, found by name without regard to case. Recordsets of the
// same query share one.
struct FieldSet {
  std::vector<FieldDef> defs;
  NameIndex position;

  void Append(FieldDef def);
};
using FieldSetPtr = std::shared_ptr<const FieldSet>;

class Recordset;

// One field of the current row, as ADO's Field object.
class Field {
 public:
  Field(Recordset* recordset, size_t index) : recordset_(recordset), index_(index) {}

  const FieldDef& Def() const;
  const std::string& Name() const { return Def().name; }
  int Type() const { return Def().type; }
  long DefinedSize() const { return Def().defined_size; }
  long Attributes() const { return Def().attributes; }
  size_t Index() const { return index_; }

  // The current row's value; 3021 when there is no current row.
  Variant Value() const;
  // Coerced to the field's type as ADO does (a Double into an adCurrency field becomes
  // Currency); Null stays Null. Starts or continues an edit of the current row.
  void SetValue(const Variant& value);
  // The value as of the last Update (or as loaded).
  Variant OriginalValue() const;

 private:
  Recordset* recordset_;
  size_t index_;
};

// Receives rows as they are written, for recordsets opened for immediate update.
class RecordsetWriter {
 public:
  virtual ~RecordsetWriter() = default;
  // Called by Update; may write back values the database chose (an identity column).
  virtual void WriteRow(Recordset& recordset, size_t row) = 0;
};

// An in-memory ADO Recordset with a client cursor: every row fetched at open.
class Recordset {
 public:
  enum class RowState { kUnchanged, kModified, kNew };

  Recordset();
  ~Recordset();
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;

  // ---- Fields
  size_t FieldCount() const;
  Field Fields(size_t index);           // 3265 when out of range
  Field Fields(std::string_view name);  // case-insensitive; 3265 when unknown
  Field operator[](std::string_view name) { return Fields(name); }
  bool HasField(std::string_view name) const;
  const FieldDef& FieldDefAt(size_t index) const;
  // Fields.Append: only while closed (3705 once open). An omitted attribute (-1) is derived
  // from the type.
  void AppendField(const std::string& name, int type, long defined_size = 0,
                   long attributes = adFldUnspecified);
  // Backend use: append a field with its full definition before Open.
  void AppendField(FieldDef def);
  // Backend use: every field at once, before Open.
  void SetFields(FieldSetPtr fields);

  // ---- Life
  // Opens the recordset with the fields appended (fabricated recordsets start empty, BOF and
  // EOF). Rows loaded with LoadRow before Open are there, and Open moves to the first one.
  void Open();
  bool IsOpen() const;
  void Close();
  // Backend use: a row as read from the database (unchanged). Values are taken as given.
  void LoadRow(std::vector<Variant> values);
  // A new open recordset on its first row, with these fields and every row's current values,
  // unchanged and unfiltered; later changes to either do not reach the other.
  std::shared_ptr<Recordset> CopyOfRows() const;
  void SetWriter(std::shared_ptr<RecordsetWriter> writer);

  // ---- Cursor
  bool Bof() const;
  bool Eof() const;
  void MoveFirst();
  void MoveLast();
  void MoveNext();
  void MovePrevious();
  long RecordCount() const;       // visible rows (under the filter)
  long AbsolutePosition() const;  // 1-based within the visible rows; adPosBOF / adPosEOF
  void SetAbsolutePosition(long position);

  // ---- Filter and Find (ADO criteria grammar)
  // "" shows every row again. After setting, the current row is the first match (EOF when
  // none). Malformed criteria raise 3001.
  void SetFilter(const std::string& criteria);
  const std::string& Filter() const;
  // One criterion; searches from the current row (inclusive) after skipping `skip_rows`;
  // not found leaves EOF (forward) or BOF (backward).
  void Find(const std::string& criterion, long skip_rows = 0, int direction = adSearchForward);

  // ---- Editing
  void AddNew();
  void Update();
  void CancelUpdate();
  int EditMode() const;

  // ---- Change tracking (backend use, for SaveRecordset)
  size_t RowCountAll() const;  // every row, filtered or not
  RowState StateOf(size_t row) const;
  const Variant& ValueAt(size_t row, size_t field) const;
  const Variant& OriginalValueAt(size_t row, size_t field) const;
  // Sets a value without starting an edit (an identity the database assigned).
  void StoreValue(size_t row, size_t field, const Variant& value);
  // After a successful save: every row becomes unchanged, originals take the values.
  void AcceptChanges();
  // Index of the current row among all rows; requires a current row.
  size_t CurrentRow() const;

 private:
  friend class Field;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

using RecordsetPtr = std::shared_ptr<Recordset>;

}  // namespace pellora

#endif  // PELLORA_RUNTIME_RECORDSET_H_
