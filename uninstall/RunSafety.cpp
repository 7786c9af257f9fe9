// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunSafety.h"

#include <climits>
#include <deque>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace uninstaller {

namespace {

// The kernel's own limit on the links it follows for one path.
constexpr int MaxLinks = 40;

bool Trusted(uid_t owner, uid_t self) { return owner == 0 || owner == self; }

bool OthersMayWrite(mode_t mode) { return (mode & (S_IWGRP | S_IWOTH)) != 0; }

std::string Join(const std::string& folder, const std::string& name)
{
    return folder == "/" ? folder + name : folder + '/' + name;
}

// The folder above a folder reached without links, so ".." is plain text work.
std::string Parent(const std::string& folder)
{
    const std::size_t slash = folder.find_last_of('/');
    return slash == 0 || slash == std::string::npos ? std::string("/") : folder.substr(0, slash);
}

// Puts the names of path in front of those still to be walked.
void Prepend(std::deque<std::string>& names, const std::string& path)
{
    std::vector<std::string> parts;
    std::size_t begin = 0;
    while (begin <= path.size()) {
        std::size_t end = path.find('/', begin);
        if (end == std::string::npos)
            end = path.size();
        const std::string name = path.substr(begin, end - begin);
        if (!name.empty() && name != ".")
            parts.push_back(name);
        begin = end + 1;
    }
    names.insert(names.begin(), parts.begin(), parts.end());
}

bool ReadLink(const std::string& link, std::string& target)
{
    std::vector<char> buffer(PATH_MAX);
    const ssize_t length = readlink(link.c_str(), buffer.data(), buffer.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size())
        return false;
    target.assign(buffer.data(), static_cast<std::size_t>(length));
    return true;
}

struct Folder {
    std::string path;
    struct stat info {};
};

// Makes path the folder being walked; it must be ours or root's.
PathRisk Enter(const std::string& path, uid_t self, Folder& folder)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return {RunRisk::Unexaminable, path};
    if (!Trusted(info.st_uid, self))
        return {RunRisk::FolderOwner, path};
    folder = {path, info};
    return {};
}

// Whether nobody else can remove or replace the entry in this folder.
bool EntryIsFixed(const struct stat& folder, const struct stat& entry, bool last, uid_t self)
{
    if (!OthersMayWrite(folder.st_mode))
        return true;
    return !last && (folder.st_mode & S_ISVTX) != 0 && Trusted(entry.st_uid, self);
}

PathRisk CheckFile(const std::string& path, const struct stat& info, uid_t self)
{
    if (!S_ISREG(info.st_mode))
        return {RunRisk::NotAFile, path};
    if (!Trusted(info.st_uid, self))
        return {RunRisk::FileOwner, path};
    if (OthersMayWrite(info.st_mode))
        return {RunRisk::FileWritable, path};
    return {};
}

}  // namespace

PathRisk CheckRunnable(const std::string& path, uid_t self)
{
    if (path.empty() || path.front() != '/')
        return {RunRisk::Unexaminable, path};
    Folder folder;
    if (PathRisk root = Enter("/", self, folder); root.risk != RunRisk::None)
        return root;
    std::deque<std::string> names;
    Prepend(names, path);
    int links = 0;
    while (!names.empty()) {
        const std::string name = names.front();
        names.pop_front();
        const bool last = names.empty();
        if (name == "..") {
            if (PathRisk up = Enter(Parent(folder.path), self, folder); up.risk != RunRisk::None)
                return up;
            continue;
        }
        const std::string entry = Join(folder.path, name);
        struct stat info {};
        if (lstat(entry.c_str(), &info) != 0)
            return {RunRisk::Unexaminable, entry};
        if (!EntryIsFixed(folder.info, info, last, self))
            return {RunRisk::FolderWritable, folder.path};
        if (S_ISLNK(info.st_mode)) {
            std::string target;
            if (++links > MaxLinks || !ReadLink(entry, target))
                return {RunRisk::Unexaminable, entry};
            if (target.front() == '/') {
                if (PathRisk root = Enter("/", self, folder); root.risk != RunRisk::None)
                    return root;
            }
            Prepend(names, target);
            continue;
        }
        if (last)
            return CheckFile(entry, info, self);
        if (PathRisk down = Enter(entry, self, folder); down.risk != RunRisk::None)
            return down;
    }
    return {RunRisk::NotAFile, path};  // the path names a folder
}

}  // namespace uninstaller
