#pragma once

#include <sqlite3.h>

// SQLite, loaded when a mirror first opens its database rather than with
// the program: a single file's conversion never needs it, and every start
// paid for loading it.
namespace sqlitelibrary {

// The calls the mirror's database makes, under their names less "sqlite3_".
struct Calls
{
    decltype(&::sqlite3_open_v2) open_v2;
    decltype(&::sqlite3_close) close;
    decltype(&::sqlite3_errmsg) errmsg;
    decltype(&::sqlite3_exec) exec;
    decltype(&::sqlite3_busy_timeout) busy_timeout;
    decltype(&::sqlite3_prepare_v2) prepare_v2;
    decltype(&::sqlite3_finalize) finalize;
    decltype(&::sqlite3_reset) reset;
    decltype(&::sqlite3_step) step;
    decltype(&::sqlite3_bind_null) bind_null;
    decltype(&::sqlite3_bind_text) bind_text;
    decltype(&::sqlite3_bind_int64) bind_int64;
    decltype(&::sqlite3_bind_blob) bind_blob;
    decltype(&::sqlite3_column_type) column_type;
    decltype(&::sqlite3_column_int) column_int;
    decltype(&::sqlite3_column_int64) column_int64;
    decltype(&::sqlite3_column_text) column_text;
    decltype(&::sqlite3_column_blob) column_blob;
    decltype(&::sqlite3_column_bytes) column_bytes;
};

// Loads the library on the first call; null when it cannot be loaded.
const Calls *calls();

} // namespace sqlitelibrary
