#ifndef PELLORA_IMPORTACAO_UNIT_OF_WORK_H_
#define PELLORA_IMPORTACAO_UNIT_OF_WORK_H_

namespace pellora {

// One write transaction on the company's shared data access: what the import reads and writes
// between the construction and Commit is kept together, and undone when the object goes away
// uncommitted (a failure, an exception).
class UnitOfWork {
 public:
  UnitOfWork();
  ~UnitOfWork();
  UnitOfWork(const UnitOfWork&) = delete;
  UnitOfWork& operator=(const UnitOfWork&) = delete;

  void Commit();

 private:
  bool open_ = false;
};

}  // namespace pellora

#endif  // PELLORA_IMPORTACAO_UNIT_OF_WORK_H_
