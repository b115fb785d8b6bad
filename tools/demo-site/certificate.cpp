#include "certificate.h"

#include <openssl/ec.h>
#include <openssl/x509v3.h>

namespace strevo::demo {

Certificate make_self_signed_certificate() {
    Certificate result;
    result.key.reset(EVP_EC_gen("P-256"));
    result.certificate.reset(X509_new());
    X509* x = result.certificate.get();
    if (!result.key || x == nullptr) return {};
    X509_set_version(x, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(x), 1);
    X509_gmtime_adj(X509_getm_notBefore(x), -3600);
    X509_gmtime_adj(X509_getm_notAfter(x), 365L * 24 * 3600);
    X509_set_pubkey(x, result.key.get());
    X509_NAME* name = X509_get_subject_name(x);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("localhost"), -1, -1, 0);
    X509_set_issuer_name(x, name);
    if (X509_sign(x, result.key.get(), EVP_sha256()) == 0) return {};
    return result;
}

}  // namespace strevo::demo
