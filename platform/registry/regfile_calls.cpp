// MfpRegImportFileA and MfpRegExportFileA: .reg files in and out of the registry store.
#include <cstring>
#include <fstream>
#include <iterator>

#include "key_handles.h"
#include "key_names.h"
#include "mfpwin/regfile.h"
#include "reg_file_reader.h"
#include "reg_file_writer.h"
#include "store_error.h"

using namespace mfpwin::registry;

namespace {

void ReportError(const std::string &message, LPSTR errorText, DWORD errorTextSize)
{
    if (errorText == nullptr || errorTextSize == 0)
        return;
    size_t length = std::min<size_t>(message.size(), errorTextSize - 1);
    std::memcpy(errorText, message.data(), length);
    errorText[length] = '\0';
}

std::vector<std::string> FullPath(HKEY root, const std::vector<std::string> &names, KeyId &base)
{
    std::vector<std::string> path;
    PredefinedRootPath(root, base, path);
    path.insert(path.end(), names.begin(), names.end());
    return path;
}

// Applies the changes in order inside the caller's transaction; throws on the first that fails.
void ApplyChanges(Database &db, const std::vector<RegFileChange> &changes)
{
    for (const RegFileChange &change : changes) {
        KeyId base = 0;
        std::vector<std::string> names = FullPath(change.root, change.names, base);
        const std::string where = "line " + std::to_string(change.line) + ": ";
        switch (change.kind) {
        case RegFileChange::kCreateKey: {
            bool created = false;
            CreatePath(db, base, names, "", created);
            break;
        }
        case RegFileChange::kDeleteKey:
            if (auto key = FindPath(db, base, names)) {
                if (IsPredefinedKey(db, *key))
                    throw StoreError(ERROR_ACCESS_DENIED, where + "a root key cannot be deleted");
                DeleteTree(db, *key);
            }
            break;
        case RegFileChange::kSetValue: {
            bool created = false;
            SetValue(db, CreatePath(db, base, names, "", created), change.valueName, change.type, change.data);
            break;
        }
        case RegFileChange::kDeleteValue:
            if (auto key = FindPath(db, base, names))
                DeleteValue(db, *key, change.valueName);
            break;
        }
    }
}

std::string RootName(HKEY root)
{
    if (root == HKEY_LOCAL_MACHINE)
        return "HKEY_LOCAL_MACHINE";
    if (root == HKEY_CURRENT_USER)
        return "HKEY_CURRENT_USER";
    if (root == HKEY_USERS)
        return "HKEY_USERS";
    return "HKEY_CLASSES_ROOT";
}

}  // namespace

MFPAPI LSTATUS MfpRegImportFileA(LPCSTR path, LPSTR errorText, DWORD errorTextSize)
{
    if (errorText != nullptr && errorTextSize > 0)
        errorText[0] = '\0';
    if (path == nullptr)
        return ERROR_INVALID_PARAMETER;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        ReportError(std::string("cannot open ") + path, errorText, errorTextSize);
        return ERROR_FILE_NOT_FOUND;
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        ReportError(std::string("cannot read ") + path, errorText, errorTextSize);
        return ERROR_CANTREAD;
    }
    RegFileParse parse = ParseRegFile(bytes);
    if (!parse.ok) {
        ReportError(parse.error, errorText, errorTextSize);
        return ERROR_BAD_FORMAT;
    }
    std::string failure;
    LSTATUS status = GuardedCall([&]() -> LSTATUS {
        try {
            Database &db = CurrentDatabase();
            WriteTransaction transaction(db);
            ApplyChanges(db, parse.changes);
            transaction.Commit();
            return ERROR_SUCCESS;
        } catch (const StoreError &error) {
            failure = error.what();
            throw;
        }
    });
    if (status != ERROR_SUCCESS)
        ReportError(failure.empty() ? "the registry could not be written" : failure, errorText, errorTextSize);
    return status;
}

MFPAPI LSTATUS MfpRegExportFileA(HKEY rootKey, LPCSTR subKey, LPCSTR path, DWORD format)
{
    if (path == nullptr || format > MFP_REGFILE_REGEDIT4)
        return ERROR_INVALID_PARAMETER;
    KeyId base = 0;
    std::vector<std::string> rootNames;
    if (!PredefinedRootPath(rootKey, base, rootNames))
        return ERROR_INVALID_HANDLE;
    return GuardedCall([&]() -> LSTATUS {
        std::vector<std::string> names;
        if (subKey != nullptr && *subKey != '\0') {
            LSTATUS split = SplitKeyPath(subKey[0] == '\\' ? subKey + 1 : subKey, names);
            if (split != ERROR_SUCCESS)
                return split;
        }
        Database &db = CurrentDatabase();
        std::string content;
        {
            ReadTransaction snapshot(db);
            std::vector<std::string> full = rootNames;
            full.insert(full.end(), names.begin(), names.end());
            KeyId key = base;
            std::string keyPath = RootName(rootKey);
            for (size_t i = 0; i < full.size(); ++i) {
                auto next = FindSubkey(db, key, full[i]);
                if (!next)
                    return ERROR_FILE_NOT_FOUND;
                key = *next;
                // The path is spelled as the keys are stored, not as the caller typed it.
                if (i >= rootNames.size())
                    keyPath += "\\" + KeyName(db, key);
            }
            content = WriteRegFile(db, key, keyPath, format);
        }
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.close();
        return out ? ERROR_SUCCESS : ERROR_CANTWRITE;
    });
}
