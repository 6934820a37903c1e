#include <sqlite3.h>

#include <memory>
#include <stdexcept>

#include "Proof.h"

namespace prooftest {

namespace {

struct Disk {
  sqlite3_vfs* real = nullptr;
  sqlite3_vfs vfs{};
  bool full = false;
  std::function<void()> afterChange;
};

Disk* g_disk = nullptr;

// The file as SQLite holds it, with the real file's state right behind it.
struct File {
  sqlite3_file base;
  sqlite3_file* real;
};

sqlite3_file* Real(sqlite3_file* f) { return reinterpret_cast<File*>(f)->real; }
const sqlite3_io_methods& Methods(sqlite3_file* f) { return *Real(f)->pMethods; }

// A change reported as done; the watcher may stop the process right there.
int Changed(int rc) {
  if (g_disk->afterChange) g_disk->afterChange();
  return rc;
}

// A method of the real file, called as it is.
template <auto Method>
struct Forward;
template <class R, class... A, R (*sqlite3_io_methods::*Method)(sqlite3_file*, A...)>
struct Forward<Method> {
  static R Call(sqlite3_file* f, A... a) { return (Methods(f).*Method)(Real(f), a...); }
};

int Write(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset) {
  if (g_disk->full) {
    sqlite3_int64 size = 0;
    const int rc = Methods(f).xFileSize(Real(f), &size);
    if (rc != SQLITE_OK) return rc;
    if (offset + amount > size) return SQLITE_FULL;
  }
  return Changed(Methods(f).xWrite(Real(f), buffer, amount, offset));
}
int Truncate(sqlite3_file* f, sqlite3_int64 size) {
  return Changed(Methods(f).xTruncate(Real(f), size));
}
int Sync(sqlite3_file* f, int flags) { return Changed(Methods(f).xSync(Real(f), flags)); }

using M = sqlite3_io_methods;
const sqlite3_io_methods kMethods = {3,
                                     Forward<&M::xClose>::Call,
                                     Forward<&M::xRead>::Call,
                                     Write,
                                     Truncate,
                                     Sync,
                                     Forward<&M::xFileSize>::Call,
                                     Forward<&M::xLock>::Call,
                                     Forward<&M::xUnlock>::Call,
                                     Forward<&M::xCheckReservedLock>::Call,
                                     Forward<&M::xFileControl>::Call,
                                     Forward<&M::xSectorSize>::Call,
                                     Forward<&M::xDeviceCharacteristics>::Call,
                                     Forward<&M::xShmMap>::Call,
                                     Forward<&M::xShmLock>::Call,
                                     Forward<&M::xShmBarrier>::Call,
                                     Forward<&M::xShmUnmap>::Call,
                                     Forward<&M::xFetch>::Call,
                                     Forward<&M::xUnfetch>::Call};

int Open(sqlite3_vfs*, const char* name, sqlite3_file* f, int flags, int* outFlags) {
  File* file = reinterpret_cast<File*>(f);
  file->real = reinterpret_cast<sqlite3_file*>(file + 1);
  const int rc = g_disk->real->xOpen(g_disk->real, name, file->real, flags, outFlags);
  // SQLite closes what xOpen leaves with methods, whether the opening succeeded or not.
  file->base.pMethods = file->real->pMethods ? &kMethods : nullptr;
  return rc;
}

int Delete(sqlite3_vfs*, const char* name, int syncDir) {
  return Changed(g_disk->real->xDelete(g_disk->real, name, syncDir));
}

}  // namespace

WatchedDisk::WatchedDisk() {
  if (g_disk) throw std::logic_error("one watched disk at a time");
  auto disk = std::make_unique<Disk>();
  disk->real = sqlite3_vfs_find(nullptr);
  if (!disk->real || disk->real->iVersion < 3 || disk->real->szOsFile < 1)
    throw std::runtime_error("SQLite's default file system layer is not the expected one");
  disk->vfs = *disk->real;
  disk->vfs.pNext = nullptr;
  disk->vfs.zName = "morvellan-watched-disk";
  disk->vfs.szOsFile = static_cast<int>(sizeof(File)) + disk->real->szOsFile;
  disk->vfs.xOpen = Open;
  disk->vfs.xDelete = Delete;
  g_disk = disk.release();
  sqlite3_vfs_register(&g_disk->vfs, 1);
}

WatchedDisk::~WatchedDisk() {
  sqlite3_vfs_unregister(&g_disk->vfs);
  sqlite3_vfs_register(g_disk->real, 1);
  delete g_disk;
  g_disk = nullptr;
}

void WatchedDisk::SetFull(bool full) { g_disk->full = full; }

void WatchedDisk::Watch(std::function<void()> afterChange) {
  g_disk->afterChange = std::move(afterChange);
}

}  // namespace prooftest
