#ifndef SIGNER_H
#define SIGNER_H

#include <QString>

// The signer as a person, as the page and the history show it: the common name of the
// certificate's subject without control, format (bidirectional) or line-breaking
// characters, on one line of at most maximumName characters, and the CPF of an
// ICP-Brasil certificate, from its subjectAltName or from a common name "NAME:CPF".
struct Signer
{
    static constexpr int maximumName = 64; // the longest common name X.520 allows

    QString name;
    QString cpf; // eleven digits, or empty

    static Signer fromCommonName(const QString &commonName);
    // A name the signer can be known by: it holds a letter.
    bool isUsable() const;
    // The CPF with every digit but its two check digits hidden: "***.***.***-01".
    QString maskedCpf() const;
    // The name, followed by the masked CPF where there is one.
    QString display() const;
};

#endif // SIGNER_H
