// A self-signed certificate made in memory, so an HTTPS server on loopback needs no files.
#pragma once

#include <openssl/evp.h>
#include <openssl/x509.h>

#include <memory>

namespace strevo::demo {

struct X509Free {
    void operator()(X509* certificate) const { X509_free(certificate); }
};
struct PkeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};

struct Certificate {
    std::unique_ptr<X509, X509Free> certificate;
    std::unique_ptr<EVP_PKEY, PkeyFree> key;
};

// A P-256 key and a certificate for "localhost" valid for a year; empty on failure.
Certificate make_self_signed_certificate();

}  // namespace strevo::demo
