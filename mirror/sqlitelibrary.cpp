#include "sqlitelibrary.h"

#include <QDebug>
#include <QLibrary>

#include <optional>

namespace sqlitelibrary {
namespace {

template<class Function>
bool resolve(QLibrary &library, const char *name, Function *function)
{
    *function = reinterpret_cast<Function>(library.resolve(name));
    return *function != nullptr;
}

std::optional<Calls> load()
{
    // Stays loaded for the rest of the process.
    QLibrary library(QStringLiteral("sqlite3"), 0);
    Calls calls{};
    const bool complete =
        resolve(library, "sqlite3_open_v2", &calls.open_v2) &&
        resolve(library, "sqlite3_close", &calls.close) &&
        resolve(library, "sqlite3_errmsg", &calls.errmsg) &&
        resolve(library, "sqlite3_exec", &calls.exec) &&
        resolve(library, "sqlite3_busy_timeout", &calls.busy_timeout) &&
        resolve(library, "sqlite3_prepare_v2", &calls.prepare_v2) &&
        resolve(library, "sqlite3_finalize", &calls.finalize) &&
        resolve(library, "sqlite3_reset", &calls.reset) &&
        resolve(library, "sqlite3_step", &calls.step) &&
        resolve(library, "sqlite3_bind_null", &calls.bind_null) &&
        resolve(library, "sqlite3_bind_text", &calls.bind_text) &&
        resolve(library, "sqlite3_bind_int64", &calls.bind_int64) &&
        resolve(library, "sqlite3_bind_blob", &calls.bind_blob) &&
        resolve(library, "sqlite3_column_type", &calls.column_type) &&
        resolve(library, "sqlite3_column_int", &calls.column_int) &&
        resolve(library, "sqlite3_column_int64", &calls.column_int64) &&
        resolve(library, "sqlite3_column_text", &calls.column_text) &&
        resolve(library, "sqlite3_column_blob", &calls.column_blob) &&
        resolve(library, "sqlite3_column_bytes", &calls.column_bytes);
    if (!complete) {
        qWarning().noquote() << "SQLite unavailable:" << library.errorString();
        return std::nullopt;
    }
    return calls;
}

} // namespace

const Calls *calls()
{
    static const std::optional<Calls> loaded = load();
    return loaded ? &*loaded : nullptr;
}

} // namespace sqlitelibrary
