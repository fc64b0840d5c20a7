#include "platform/registry.h"

#include <sqlite3.h>

#include <algorithm>
#include <optional>

#include "platform/text.h"

namespace tessera::platform {

namespace {

// Two shells on one device write the same file; a writer waits this long
// for the other before giving up.
constexpr int kBusyTimeoutMs = 10000;

// Keys 1..3 are the roots; AUTOINCREMENT keeps the ids of deleted keys from
// being given again, so a handle to a deleted key never reaches a newer one.
constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS registry_keys (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  parent INTEGER REFERENCES registry_keys(id) ON DELETE CASCADE,
  name TEXT NOT NULL,
  folded TEXT NOT NULL);
CREATE UNIQUE INDEX IF NOT EXISTS registry_keys_by_name ON registry_keys(parent, folded);
CREATE TABLE IF NOT EXISTS registry_values (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  key INTEGER NOT NULL REFERENCES registry_keys(id) ON DELETE CASCADE,
  name TEXT NOT NULL,
  folded TEXT NOT NULL,
  type INTEGER NOT NULL,
  data BLOB NOT NULL);
CREATE UNIQUE INDEX IF NOT EXISTS registry_values_by_name ON registry_values(key, folded);
INSERT OR IGNORE INTO registry_keys(id, parent, name, folded) VALUES
  (1, NULL, 'HKEY_CLASSES_ROOT', 'HKEY_CLASSES_ROOT'),
  (2, NULL, 'HKEY_CURRENT_USER', 'HKEY_CURRENT_USER'),
  (3, NULL, 'HKEY_LOCAL_MACHINE', 'HKEY_LOCAL_MACHINE');
)sql";

constexpr std::int64_t kLastRootId = 3;

ErrorCode ErrorFromSqlite(sqlite3* db, int code) {
  switch (code & 0xFF) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
      return ErrorCode::Success;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return ErrorCode::SharingViolation;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
      return ErrorCode::AccessDenied;
    case SQLITE_FULL:
      return ErrorCode::DiskFull;
    case SQLITE_NOMEM:
      return ErrorCode::OutOfMemory;
    case SQLITE_TOOBIG:
    case SQLITE_RANGE:
      return ErrorCode::InvalidParameter;
    case SQLITE_CONSTRAINT:
      // The key was deleted (here or by the other shell) while open.
      return code == SQLITE_CONSTRAINT_FOREIGNKEY ? ErrorCode::FileNotFound
                                                  : ErrorCode::InvalidParameter;
    case SQLITE_CANTOPEN: {
      const int err = db ? sqlite3_system_errno(db) : 0;
      return err ? ErrorFromErrno(err) : ErrorCode::PathNotFound;
    }
    default:
      return ErrorCode::IoError;
  }
}

// SQLite binds a null pointer as NULL, never as empty text or an empty blob.
const char16_t* NonNull(std::u16string_view text) { return text.empty() ? u"" : text.data(); }

class Statement {
 public:
  Statement(sqlite3* db, const char* sql) : db_(db) {
    status_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr);
  }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Bind(int index, std::int64_t number) {
    Keep(sqlite3_bind_int64(stmt_, index, number));
    return *this;
  }
  Statement& Bind(int index, std::u16string_view text) {
    Keep(sqlite3_bind_text16(stmt_, index, NonNull(text),
                             static_cast<int>(text.size() * sizeof(char16_t)), SQLITE_TRANSIENT));
    return *this;
  }
  Statement& Bind(int index, std::span<const std::uint8_t> bytes) {
    Keep(bytes.empty()
             ? sqlite3_bind_zeroblob(stmt_, index, 0)
             : sqlite3_bind_blob64(stmt_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT));
    return *this;
  }

  // True while there is a row; a failure ends the walk and is kept in error().
  bool Step() {
    if (status_ != SQLITE_OK && status_ != SQLITE_ROW) return false;
    const int rc = sqlite3_step(stmt_);
    status_ = (rc == SQLITE_DONE) ? SQLITE_OK : rc;
    return rc == SQLITE_ROW;
  }
  // Runs a statement that gives no rows.
  Status Run() {
    while (Step()) {
    }
    return Status(error());
  }
  ErrorCode error() const { return ErrorFromSqlite(db_, status_); }

  std::int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }
  std::u16string Text(int column) const {
    const void* text = sqlite3_column_text16(stmt_, column);
    const int bytes = sqlite3_column_bytes16(stmt_, column);
    if (!text) return {};
    return std::u16string(static_cast<const char16_t*>(text),
                          static_cast<std::size_t>(bytes) / sizeof(char16_t));
  }
  std::vector<std::uint8_t> Blob(int column) const {
    const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(stmt_, column));
    const int bytes = sqlite3_column_bytes(stmt_, column);
    if (!data) return {};
    return std::vector<std::uint8_t>(data, data + bytes);
  }

 private:
  void Keep(int rc) {
    if (status_ == SQLITE_OK && rc != SQLITE_OK) status_ = rc;
  }
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
  int status_ = SQLITE_OK;
};

}  // namespace

// One connection to a registry database file.
class RegistryDatabase {
 public:
  explicit RegistryDatabase(sqlite3* db) : db_(db) {}
  ~RegistryDatabase() { sqlite3_close_v2(db_); }
  RegistryDatabase(const RegistryDatabase&) = delete;
  RegistryDatabase& operator=(const RegistryDatabase&) = delete;
  sqlite3* handle() const { return db_; }

  Status Exec(const char* sql) {
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    return Status(ErrorFromSqlite(db_, rc));
  }

 private:
  sqlite3* db_;
};

namespace {

// A write transaction. IMMEDIATE takes the write lock at once (waiting for
// the other shell through the busy timeout) so that the reads inside it see
// the latest committed state; anything not committed is rolled back.
class WriteTransaction {
 public:
  explicit WriteTransaction(RegistryDatabase& db) : db_(db) {
    began_ = db_.Exec("BEGIN IMMEDIATE");
  }
  ~WriteTransaction() {
    if (began_.ok() && !committed_) (void)db_.Exec("ROLLBACK");
  }
  WriteTransaction(const WriteTransaction&) = delete;
  WriteTransaction& operator=(const WriteTransaction&) = delete;
  Status began() const { return began_; }
  Status Commit() {
    Status done = db_.Exec("COMMIT");
    committed_ = done.ok();
    return done;
  }

 private:
  RegistryDatabase& db_;
  Status began_;
  bool committed_ = false;
};

bool ValidName(std::u16string_view name, std::size_t maxLength) {
  return name.size() <= maxLength && name.find(u'\0') == std::u16string_view::npos;
}

// The non-empty components of a '\'-separated path.
std::optional<std::vector<std::u16string_view>> SplitKeyPath(std::u16string_view path) {
  std::vector<std::u16string_view> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find(u'\\', start);
    if (end == std::u16string_view::npos) end = path.size();
    const std::u16string_view part = path.substr(start, end - start);
    if (!part.empty()) {
      if (!ValidName(part, kMaxRegistryKeyName)) return std::nullopt;
      parts.push_back(part);
    }
    start = end + 1;
  }
  return parts;
}

std::optional<std::int64_t> FindChild(RegistryDatabase& db, std::int64_t parent,
                                      std::u16string_view name, ErrorCode& error) {
  Statement find(db.handle(), "SELECT id FROM registry_keys WHERE parent = ?1 AND folded = ?2");
  find.Bind(1, parent).Bind(2, ToUpper(name));
  if (find.Step()) return find.Int(0);
  error = find.error();
  return std::nullopt;
}

Result<bool> KeyExists(RegistryDatabase& db, std::int64_t id) {
  Statement find(db.handle(), "SELECT 1 FROM registry_keys WHERE id = ?1");
  find.Bind(1, id);
  if (find.Step()) return true;
  if (find.error() != ErrorCode::Success) return find.error();
  return false;
}

// The id of the key at path below parent, or FileNotFound.
Result<std::int64_t> ResolveKey(RegistryDatabase& db, std::int64_t parent,
                                const std::vector<std::u16string_view>& parts) {
  if (parts.empty()) {
    Result<bool> exists = KeyExists(db, parent);
    if (!exists) return exists.error();
    if (!*exists) return ErrorCode::FileNotFound;
    return parent;
  }
  std::int64_t id = parent;
  for (std::u16string_view part : parts) {
    ErrorCode error = ErrorCode::Success;
    std::optional<std::int64_t> child = FindChild(db, id, part, error);
    if (!child) return error == ErrorCode::Success ? ErrorCode::FileNotFound : error;
    id = *child;
  }
  return id;
}

}  // namespace

// Reaches the private parts of keys and registries for the functions below.
class RegistryAccess {
 public:
  static RegistryDatabase* Database(const RegistryKey& key) { return key.database_.get(); }
  static std::int64_t Id(const RegistryKey& key) { return key.id_; }
  static RegistryKey Key(const std::shared_ptr<RegistryDatabase>& db, std::int64_t id) {
    RegistryKey key;
    key.database_ = db;
    key.id_ = id;
    key.root_ = id >= 1 && id <= kLastRootId;
    return key;
  }
  static RegistryKey Sibling(const RegistryKey& key, std::int64_t id) {
    return Key(key.database_, id);
  }
  static const std::shared_ptr<RegistryDatabase>& Database(const Registry& registry) {
    return registry.database_;
  }
  static Registry Make(std::shared_ptr<RegistryDatabase> db) {
    Registry registry;
    registry.database_ = std::move(db);
    return registry;
  }
};

RegistryKey Registry::Root(RegistryRoot root) const {
  return RegistryAccess::Key(database_, static_cast<std::int64_t>(root));
}

Result<Registry> OpenRegistryAt(const std::string& hostPath) {
  sqlite3* raw = nullptr;
  const int rc =
      sqlite3_open_v2(hostPath.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  auto db = std::make_shared<RegistryDatabase>(raw);  // closes raw on every path
  if (rc != SQLITE_OK) return ErrorFromSqlite(raw, rc);
  sqlite3_extended_result_codes(raw, 1);
  sqlite3_busy_timeout(raw, kBusyTimeoutMs);
  // Shell text is UTF-16: stored as is, names keep every code unit (only
  // takes effect while the file is still empty). WAL lets one shell read
  // while the other writes; FULL makes a returned change survive a crash of
  // the host too, not only of the process.
  // The log is kept between sessions (below): a checkpoint cuts it back to
  // a megabyte so that it does not keep the size of its largest day.
  for (const char* setup : {"PRAGMA encoding = 'UTF-16le'", "PRAGMA journal_mode = WAL",
                            "PRAGMA journal_size_limit = 1048576", "PRAGMA synchronous = FULL",
                            "PRAGMA foreign_keys = ON"}) {
    if (Status done = db->Exec(setup); !done) return done.error();
  }
  // The write-ahead log and its index stay when the last shell closes: every
  // start would otherwise create and every end delete both files again.
  int persist = 1;
  sqlite3_file_control(raw, "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
  WriteTransaction transaction(*db);
  if (!transaction.began()) return transaction.began().error();
  if (Status done = db->Exec(kSchema); !done) return done.error();
  if (Status done = transaction.Commit(); !done) return done.error();
  return RegistryAccess::Make(std::move(db));
}

Result<CreatedKey> CreateKey(const RegistryKey& parent, std::u16string_view path) {
  RegistryDatabase* db = RegistryAccess::Database(parent);
  if (!db) return ErrorCode::InvalidHandle;
  const auto parts = SplitKeyPath(path);
  if (!parts) return ErrorCode::InvalidParameter;
  WriteTransaction transaction(*db);
  if (!transaction.began()) return transaction.began().error();
  Result<bool> parentExists = KeyExists(*db, RegistryAccess::Id(parent));
  if (!parentExists) return parentExists.error();
  if (!*parentExists) return ErrorCode::FileNotFound;
  std::int64_t id = RegistryAccess::Id(parent);
  bool existed = true;
  for (std::u16string_view part : *parts) {
    ErrorCode error = ErrorCode::Success;
    if (std::optional<std::int64_t> child = FindChild(*db, id, part, error)) {
      id = *child;
      continue;
    }
    if (error != ErrorCode::Success) return error;
    Statement insert(db->handle(),
                     "INSERT INTO registry_keys(parent, name, folded) VALUES (?1, ?2, ?3)");
    insert.Bind(1, id).Bind(2, part).Bind(3, ToUpper(part));
    if (Status done = insert.Run(); !done) return done.error();
    id = sqlite3_last_insert_rowid(db->handle());
    existed = false;
  }
  if (Status done = transaction.Commit(); !done) return done.error();
  return CreatedKey{RegistryAccess::Sibling(parent, id), existed};
}

Result<RegistryKey> OpenKey(const RegistryKey& parent, std::u16string_view path) {
  RegistryDatabase* db = RegistryAccess::Database(parent);
  if (!db) return ErrorCode::InvalidHandle;
  const auto parts = SplitKeyPath(path);
  if (!parts) return ErrorCode::InvalidParameter;
  Result<std::int64_t> id = ResolveKey(*db, RegistryAccess::Id(parent), *parts);
  if (!id) return id.error();
  return RegistryAccess::Sibling(parent, *id);
}

Status DeleteKey(const RegistryKey& parent, std::u16string_view path) {
  RegistryDatabase* db = RegistryAccess::Database(parent);
  if (!db) return ErrorCode::InvalidHandle;
  const auto parts = SplitKeyPath(path);
  if (!parts || parts->empty()) return ErrorCode::InvalidParameter;
  WriteTransaction transaction(*db);
  if (!transaction.began()) return transaction.began();
  Result<std::int64_t> id = ResolveKey(*db, RegistryAccess::Id(parent), *parts);
  if (!id) return id.error();
  // Subkeys and values go with it through the foreign keys' cascade.
  Statement erase(db->handle(), "DELETE FROM registry_keys WHERE id = ?1 AND id > ?2");
  erase.Bind(1, *id).Bind(2, kLastRootId);
  if (Status done = erase.Run(); !done) return done;
  return transaction.Commit();
}

Result<RegistryValue> QueryValue(const RegistryKey& key, std::u16string_view name) {
  RegistryDatabase* db = RegistryAccess::Database(key);
  if (!db) return ErrorCode::InvalidHandle;
  if (!ValidName(name, kMaxRegistryValueName)) return ErrorCode::InvalidParameter;
  Statement find(db->handle(),
                 "SELECT name, type, data FROM registry_values WHERE key = ?1 AND folded = ?2");
  find.Bind(1, RegistryAccess::Id(key)).Bind(2, ToUpper(name));
  if (!find.Step()) {
    return find.error() == ErrorCode::Success ? ErrorCode::FileNotFound : find.error();
  }
  return RegistryValue{find.Text(0), static_cast<std::uint32_t>(find.Int(1)), find.Blob(2)};
}

namespace {

// A value written in its own transaction: replacing one of the same name,
// or leaving it and reporting that it exists.
Status WriteValue(const RegistryKey& key, std::u16string_view name, std::uint32_t type,
                  std::span<const std::uint8_t> data, bool replace) {
  RegistryDatabase* db = RegistryAccess::Database(key);
  if (!db) return ErrorCode::InvalidHandle;
  if (!ValidName(name, kMaxRegistryValueName)) return ErrorCode::InvalidParameter;
  WriteTransaction transaction(*db);
  if (!transaction.began()) return transaction.began();
  Statement insert(db->handle(),
                   replace ? "INSERT INTO registry_values(key, name, folded, type, data) "
                             "VALUES (?1, ?2, ?3, ?4, ?5) ON CONFLICT(key, folded) "
                             "DO UPDATE SET type = excluded.type, data = excluded.data"
                           : "INSERT INTO registry_values(key, name, folded, type, data) "
                             "VALUES (?1, ?2, ?3, ?4, ?5) ON CONFLICT(key, folded) DO NOTHING");
  insert.Bind(1, RegistryAccess::Id(key))
      .Bind(2, name)
      .Bind(3, ToUpper(name))
      .Bind(4, static_cast<std::int64_t>(type))
      .Bind(5, data);
  if (Status done = insert.Run(); !done) return done;
  if (!replace && sqlite3_changes(db->handle()) == 0) return ErrorCode::AlreadyExists;
  return transaction.Commit();
}

}  // namespace

Status SetValue(const RegistryKey& key, std::u16string_view name, std::uint32_t type,
                std::span<const std::uint8_t> data) {
  return WriteValue(key, name, type, data, true);
}

Status AddValue(const RegistryKey& key, std::u16string_view name, std::uint32_t type,
                std::span<const std::uint8_t> data) {
  return WriteValue(key, name, type, data, false);
}

Status DeleteValue(const RegistryKey& key, std::u16string_view name) {
  RegistryDatabase* db = RegistryAccess::Database(key);
  if (!db) return ErrorCode::InvalidHandle;
  if (!ValidName(name, kMaxRegistryValueName)) return ErrorCode::InvalidParameter;
  WriteTransaction transaction(*db);
  if (!transaction.began()) return transaction.began();
  Statement erase(db->handle(), "DELETE FROM registry_values WHERE key = ?1 AND folded = ?2");
  erase.Bind(1, RegistryAccess::Id(key)).Bind(2, ToUpper(name));
  if (Status done = erase.Run(); !done) return done;
  if (sqlite3_changes(db->handle()) == 0) return ErrorCode::FileNotFound;
  return transaction.Commit();
}

Result<std::u16string> EnumKey(const RegistryKey& key, std::uint32_t index) {
  RegistryDatabase* db = RegistryAccess::Database(key);
  if (!db) return ErrorCode::InvalidHandle;
  Statement find(db->handle(),
                 "SELECT name FROM registry_keys WHERE parent = ?1 ORDER BY id LIMIT 1 OFFSET ?2");
  find.Bind(1, RegistryAccess::Id(key)).Bind(2, static_cast<std::int64_t>(index));
  if (find.Step()) return find.Text(0);
  return find.error() == ErrorCode::Success ? ErrorCode::NoMoreFiles : find.error();
}

Result<RegistryValue> EnumValue(const RegistryKey& key, std::uint32_t index) {
  RegistryDatabase* db = RegistryAccess::Database(key);
  if (!db) return ErrorCode::InvalidHandle;
  Statement find(db->handle(),
                 "SELECT name, type, data FROM registry_values WHERE key = ?1 "
                 "ORDER BY id LIMIT 1 OFFSET ?2");
  find.Bind(1, RegistryAccess::Id(key)).Bind(2, static_cast<std::int64_t>(index));
  if (find.Step()) {
    return RegistryValue{find.Text(0), static_cast<std::uint32_t>(find.Int(1)), find.Blob(2)};
  }
  return find.error() == ErrorCode::Success ? ErrorCode::NoMoreFiles : find.error();
}

Result<RegistryKeyInfo> QueryInfoKey(const RegistryKey& key) {
  RegistryDatabase* db = RegistryAccess::Database(key);
  if (!db) return ErrorCode::InvalidHandle;
  Result<bool> exists = KeyExists(*db, RegistryAccess::Id(key));
  if (!exists) return exists.error();
  if (!*exists) return ErrorCode::FileNotFound;
  RegistryKeyInfo info;
  // Lengths are taken here rather than in SQL, whose length() counts code
  // points, not UTF-16 units.
  Statement keys(db->handle(), "SELECT name FROM registry_keys WHERE parent = ?1");
  keys.Bind(1, RegistryAccess::Id(key));
  while (keys.Step()) {
    ++info.subKeys;
    info.maxSubKeyNameLength =
        std::max(info.maxSubKeyNameLength, static_cast<std::uint32_t>(keys.Text(0).size()));
  }
  if (keys.error() != ErrorCode::Success) return keys.error();
  Statement values(db->handle(), "SELECT name, length(data) FROM registry_values WHERE key = ?1");
  values.Bind(1, RegistryAccess::Id(key));
  while (values.Step()) {
    ++info.values;
    info.maxValueNameLength =
        std::max(info.maxValueNameLength, static_cast<std::uint32_t>(values.Text(0).size()));
    info.maxValueDataLength =
        std::max(info.maxValueDataLength, static_cast<std::uint32_t>(values.Int(1)));
  }
  if (values.error() != ErrorCode::Success) return values.error();
  return info;
}

std::vector<std::uint8_t> StringValueData(std::u16string_view text) {
  std::vector<std::uint8_t> data;
  data.reserve((text.size() + 1) * 2);
  for (char16_t unit : text) {
    data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    data.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  data.push_back(0);
  data.push_back(0);
  return data;
}

std::u16string StringFromValueData(std::span<const std::uint8_t> data) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
    const auto unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (unit == 0) break;
    text += unit;
  }
  return text;
}

std::vector<std::uint8_t> DwordValueData(std::uint32_t number) {
  return {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
          static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
}

Result<std::uint32_t> DwordFromValueData(std::span<const std::uint8_t> data) {
  if (data.size() != 4) return ErrorCode::InvalidParameter;
  return static_cast<std::uint32_t>(data[0]) | (static_cast<std::uint32_t>(data[1]) << 8) |
         (static_cast<std::uint32_t>(data[2]) << 16) | (static_cast<std::uint32_t>(data[3]) << 24);
}

std::vector<std::uint8_t> MultiStringValueData(const std::vector<std::u16string>& strings) {
  std::vector<std::uint8_t> data;
  for (const std::u16string& text : strings) {
    const std::vector<std::uint8_t> piece = StringValueData(text);
    data.insert(data.end(), piece.begin(), piece.end());
  }
  data.push_back(0);
  data.push_back(0);
  return data;
}

std::vector<std::u16string> MultiStringFromValueData(std::span<const std::uint8_t> data) {
  std::vector<std::u16string> strings;
  std::u16string current;
  for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
    const auto unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (unit != 0) {
      current += unit;
      continue;
    }
    if (current.empty()) return strings;
    strings.push_back(std::move(current));
    current.clear();
  }
  if (!current.empty()) strings.push_back(std::move(current));  // a missing last zero
  return strings;
}

}  // namespace tessera::platform
