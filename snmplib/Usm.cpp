#include "snmplib/Usm.h"

#include "snmplib/NetSnmpLibrary.h"
#include "snmplib/SnmpStatus.h"
#include "snmplib/UsmKeys.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <openssl/evp.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>

namespace {

const EVP_MD* DigestOf(int authProtocol)
{
    if (authProtocol == SNMP_AUTHPROTOCOL_HMACMD5)
        return EVP_md5();
    if (authProtocol == SNMP_AUTHPROTOCOL_HMACSHA)
        return EVP_sha1();
    return nullptr;
}

std::string Digest(const EVP_MD* md, const std::string& data)
{
    unsigned char out[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(data.data(), data.size(), out, &length, md, nullptr);
    return std::string(reinterpret_cast<const char*>(out), length);
}

struct Registration {
    int authProtocol = SNMP_AUTHPROTOCOL_NONE;
    int privProtocol = SNMP_PRIVPROTOCOL_NONE;
    std::string authPassword;
    std::string privPassword;
    std::uint64_t generation = 0;

    bool SameAs(const Registration& o) const
    {
        return authProtocol == o.authProtocol && privProtocol == o.privProtocol &&
               authPassword == o.authPassword && privPassword == o.privPassword;
    }
};

// The users as registered, by name, and which registration Net-SNMP's table holds for each
// (engine id, name).
std::map<std::string, Registration>& Users()
{
    static std::map<std::string, Registration> users;
    return users;
}

std::map<std::pair<std::string, std::string>, std::uint64_t>& Installed()
{
    static std::map<std::pair<std::string, std::string>, std::uint64_t> installed;
    return installed;
}

// Ku is a megabyte of hashing: keep it per protocol and pass phrase.
std::string CachedKu(int authProtocol, const std::string& passPhrase)
{
    static std::map<std::pair<int, std::string>, std::string> cache;
    auto key = std::make_pair(authProtocol, passPhrase);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, UsmPasswordToKey(authProtocol, passPhrase)).first;
    return it->second;
}

void RemoveNetSnmpUsers(const std::string& name)
{
    for (struct usmUser* user = usm_get_userList(); user != nullptr;) {
        struct usmUser* next = user->next;
        if (user->name != nullptr && name == user->name) {
            usm_remove_user(user);
            user->next = user->prev = nullptr;
            usm_free_user(user);
        }
        user = next;
    }
    auto& installed = Installed();
    for (auto it = installed.begin(); it != installed.end();)
        it = it->first.second == name ? installed.erase(it) : std::next(it);
}

unsigned char* CopyBytes(const std::string& bytes)
{
    auto* copy = static_cast<unsigned char*>(std::malloc(bytes.size() ? bytes.size() : 1));
    std::memcpy(copy, bytes.data(), bytes.size());
    return copy;
}

} // namespace

std::string UsmPasswordToKey(int authProtocol, const std::string& passPhrase)
{
    const EVP_MD* md = DigestOf(authProtocol);
    if (md == nullptr || passPhrase.empty())
        return {};
    constexpr std::size_t kMegabyte = 1048576;
    EVP_MD_CTX* ctx = EVP_MD_CTX_new();
    EVP_DigestInit_ex(ctx, md, nullptr);
    unsigned char block[64];
    std::size_t position = 0;
    for (std::size_t done = 0; done < kMegabyte; done += sizeof block) {
        for (unsigned char& c : block)
            c = static_cast<unsigned char>(passPhrase[position++ % passPhrase.size()]);
        EVP_DigestUpdate(ctx, block, sizeof block);
    }
    unsigned char out[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(ctx, out, &length);
    EVP_MD_CTX_free(ctx);
    return std::string(reinterpret_cast<const char*>(out), length);
}

std::string UsmLocalizeKey(int authProtocol, const std::string& key, const std::string& engineId)
{
    const EVP_MD* md = DigestOf(authProtocol);
    if (md == nullptr || key.empty())
        return {};
    return Digest(md, key + engineId + key);
}

int mpInit(Snmp*, const OctetStr& localEngineId, unsigned int engineBoots)
{
    EnsureNetSnmp();
    if (localEngineId.len() < 5 || localEngineId.len() > 32)
        return SNMPv3_MP_INVALID_ENGINEID;
    set_exact_engineID(localEngineId.data(), localEngineId.len());
    // The configuration handler stores its argument plus one (it reads the last saved count).
    std::string previous = std::to_string(static_cast<long long>(engineBoots) - 1);
    engineBoots_conf("engineBoots", previous.data());
    return SNMPv3_MP_OK;
}

int usmAddUserName(const OctetStr& securityName, int authProtocol, int privProtocol,
                   const OctetStr& authPassword, const OctetStr& privPassword)
{
    EnsureNetSnmp();
    if (authProtocol != SNMP_AUTHPROTOCOL_NONE && DigestOf(authProtocol) == nullptr)
        return SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL;
    if (privProtocol != SNMP_PRIVPROTOCOL_NONE && privProtocol != SNMP_PRIVPROTOCOL_DES)
        return SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL;
    if (privProtocol != SNMP_PRIVPROTOCOL_NONE && authProtocol == SNMP_AUTHPROTOCOL_NONE)
        return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
    if (securityName.len() == 0 || (authProtocol != SNMP_AUTHPROTOCOL_NONE && authPassword.len() == 0) ||
        (privProtocol != SNMP_PRIVPROTOCOL_NONE && privPassword.len() == 0))
        return SNMPv3_USM_ERROR;

    Registration wanted;
    wanted.authProtocol = authProtocol;
    wanted.privProtocol = privProtocol;
    if (authProtocol != SNMP_AUTHPROTOCOL_NONE)
        wanted.authPassword = authPassword.get_string();
    if (privProtocol != SNMP_PRIVPROTOCOL_NONE)
        wanted.privPassword = privPassword.get_string();

    static std::uint64_t generations = 0;
    auto& users = Users();
    const std::string& name = securityName.get_string();
    auto it = users.find(name);
    if (it != users.end() && it->second.SameAs(wanted))
        return SNMPv3_USM_OK;
    // Net-SNMP only fills in what a known user lacks: drop every copy of the old one.
    RemoveNetSnmpUsers(name);
    wanted.generation = ++generations;
    users[name] = wanted;
    return SNMPv3_USM_OK;
}

void UsmPrepareUser(const std::string& engineId, const std::string& securityName)
{
    // A user never registered goes without authentication; Net-SNMP still needs to know the
    // name to read the agent's answers (an unknownUserNames report, say).
    static const Registration unregistered;
    const auto found = Users().find(securityName);
    const Registration& reg = found == Users().end() ? unregistered : found->second;
    const auto key = std::make_pair(engineId, securityName);
    const auto done = Installed().find(key);
    if (done != Installed().end() && done->second == reg.generation)
        return;

    struct usmUser* user = usm_create_user();
    if (user == nullptr)
        return;
    user->name = strdup(securityName.c_str());
    user->secName = strdup(securityName.c_str());
    user->engineID = CopyBytes(engineId);
    user->engineIDLen = engineId.size();
    if (reg.authProtocol != SNMP_AUTHPROTOCOL_NONE) {
        const oid* proto = reg.authProtocol == SNMP_AUTHPROTOCOL_HMACMD5 ? usmHMACMD5AuthProtocol
                                                                          : usmHMACSHA1AuthProtocol;
        const std::size_t protoLen = USM_AUTH_PROTO_MD5_LEN;   // both are 10 sub-identifiers
        SNMP_FREE(user->authProtocol);
        user->authProtocol = snmp_duplicate_objid(proto, protoLen);
        user->authProtocolLen = protoLen;
        const std::string key =
            UsmLocalizeKey(reg.authProtocol, CachedKu(reg.authProtocol, reg.authPassword), engineId);
        user->authKey = CopyBytes(key);
        user->authKeyLen = key.size();
    }
    if (reg.privProtocol == SNMP_PRIVPROTOCOL_DES) {
        SNMP_FREE(user->privProtocol);
        user->privProtocol = snmp_duplicate_objid(usmDESPrivProtocol, USM_PRIV_PROTO_DES_LEN);
        user->privProtocolLen = USM_PRIV_PROTO_DES_LEN;
        // The privacy key is localized with the authentication protocol's digest.
        const std::string key =
            UsmLocalizeKey(reg.authProtocol, CachedKu(reg.authProtocol, reg.privPassword), engineId);
        user->privKey = CopyBytes(key);
        user->privKeyLen = key.size();
    }
    user->userStatus = RS_ACTIVE;
    user->userStorageType = ST_READONLY;
    // Replaces an earlier user of the same engine and name.
    usm_add_user(user);
    Installed()[key] = reg.generation;
}
