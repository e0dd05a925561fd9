#include "EmulatorCertificates.h"

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <stdlib.h>

#include <stdexcept>
#include <string>

#include "platform/FileIo.h"

namespace gb::emulator {

namespace {

constexpr long kValidSeconds = 7L * 24 * 3600;

void Require(bool done, const char* step) {
    if (!done) {
        throw std::runtime_error(std::string("The emulator's certificates could not be made: ") +
                                 step);
    }
}

// A new P-256 key. The curve goes through the key generator's variadic
// arguments as a mutable string (the library's own shorthand casts the
// constness away).
EVP_PKEY* NewP256Key() {
    char curve[] = "P-256";
    return EVP_PKEY_Q_keygen(nullptr, nullptr, "EC", curve);
}

struct BioFree {
    void operator()(BIO* bio) const { BIO_free(bio); }
};

void AddExtension(X509* certificate, X509* issuer, int nid, const char* value) {
    X509V3_CTX context;
    X509V3_set_ctx(&context, issuer, certificate, nullptr, nullptr, 0);
    X509_EXTENSION* extension = X509V3_EXT_nconf_nid(nullptr, &context, nid, value);
    Require(extension != nullptr, value);
    const bool added = X509_add_ext(certificate, extension, -1) == 1;
    X509_EXTENSION_free(extension);
    Require(added, value);
}

// A certificate for `key` named `name`; `issuer` null makes it self-signed.
void Fill(X509* certificate, EVP_PKEY* key, const char* name, long serial, X509* issuer,
          EVP_PKEY* issuerKey) {
    X509_set_version(certificate, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(certificate), serial);
    X509_gmtime_adj(X509_getm_notBefore(certificate), -3600);
    X509_gmtime_adj(X509_getm_notAfter(certificate), kValidSeconds);
    X509_set_pubkey(certificate, key);
    X509_NAME_add_entry_by_txt(X509_get_subject_name(certificate), "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>(name), -1, -1, 0);
    X509* signer = issuer != nullptr ? issuer : certificate;
    X509_set_issuer_name(certificate, X509_get_subject_name(signer));
    AddExtension(certificate, signer, NID_subject_key_identifier, "hash");
    if (issuer == nullptr) {
        AddExtension(certificate, signer, NID_basic_constraints, "critical,CA:TRUE");
        AddExtension(certificate, signer, NID_key_usage, "critical,keyCertSign,cRLSign");
    } else {
        AddExtension(certificate, signer, NID_authority_key_identifier, "keyid");
        AddExtension(certificate, signer, NID_basic_constraints, "critical,CA:FALSE");
        AddExtension(certificate, signer, NID_key_usage, "critical,digitalSignature");
        AddExtension(certificate, signer, NID_ext_key_usage, "serverAuth");
        AddExtension(certificate, signer, NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost");
    }
    Require(X509_sign(certificate, issuerKey != nullptr ? issuerKey : key, EVP_sha256()) > 0,
            "signing");
}

std::string Pem(X509* certificate) {
    std::unique_ptr<BIO, BioFree> bio(BIO_new(BIO_s_mem()));
    Require(bio != nullptr && PEM_write_bio_X509(bio.get(), certificate) == 1, "PEM");
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    return std::string(data, static_cast<std::size_t>(size));
}

}  // namespace

void EmulatorCertificates::Free::operator()(X509* certificate) const {
    X509_free(certificate);
}

void EmulatorCertificates::Free::operator()(EVP_PKEY* key) const {
    EVP_PKEY_free(key);
}

EmulatorCertificates::EmulatorCertificates() {
    std::unique_ptr<EVP_PKEY, Free> authorityKey(NewP256Key());
    std::unique_ptr<X509, Free> authority(X509_new());
    serverKey_.reset(NewP256Key());
    serverCertificate_.reset(X509_new());
    Require(authorityKey && authority && serverKey_ && serverCertificate_, "keys");
    Fill(authority.get(), authorityKey.get(), "Gavelbook Site Emulator", 1, nullptr, nullptr);
    Fill(serverCertificate_.get(), serverKey_.get(), "127.0.0.1", 2, authority.get(),
         authorityKey.get());

    std::string pattern =
        (std::filesystem::temp_directory_path() / "gavelbook-emulator-XXXXXX").string();
    Require(::mkdtemp(pattern.data()) != nullptr, "folder");
    folder_ = pattern;
    authorityFile_ = folder_ / "emulator-ca.pem";
    try {
        WriteFileAtomically(authorityFile_, Pem(authority.get()));
    } catch (const FileError& failure) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        throw std::runtime_error(failure.what());
    }
}

EmulatorCertificates::~EmulatorCertificates() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

}  // namespace gb::emulator
