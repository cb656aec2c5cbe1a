#include "dbengine/errors.h"

namespace dao {

std::string Describe(int number) {
    switch (number) {
    case vb::kOverflow: return "Overflow.";
    case kTypeMismatch: return "Tipo non corrispondente.";
    case vb::kInvalidUseOfNull: return "Utilizzo non valido di Null.";
    case kReservedError: return "Errore riservato del motore di database.";
    case kTableExists: return "La tabella esiste già.";
    case kUpdateWithoutAddNew: return "Update o CancelUpdate senza AddNew o Edit.";
    case kNoCurrentRow: return "Nessun record corrente.";
    case kDuplicateKey: return "Valore duplicato nell'indice, nella chiave primaria o nella relazione.";
    case kFileNotFound: return "Impossibile trovare il file.";
    case kDiskFull: return "Spazio su disco insufficiente.";
    case kReadOnly: return "Impossibile aggiornare. Il database o l'oggetto è di sola lettura.";
    case kFileInUse: return "Impossibile utilizzare il file: è già in uso da un altro programma.";
    case kDiskOrNetworkError: return "Errore del disco o della rete.";
    case kInvalidPath: return "Percorso non valido.";
    case kCannotOpenDatabase: return "Impossibile aprire il database. Il file potrebbe essere danneggiato.";
    case kTableNotFound: return "Impossibile trovare la tabella.";
    case kUnknownInsertField: return "L'istruzione INSERT INTO contiene un nome di campo sconosciuto.";
    case kStatementNotSupported: return "Istruzione SQL non valida o non supportata.";
    case kTextTooLong: return "Il campo è troppo piccolo per la quantità di dati da aggiungere.";
    case kRecordDeleted: return "Il record è stato eliminato.";
    case kFieldDefinedTwice: return "Impossibile definire più volte lo stesso campo.";
    case kCompactTargetExists: return "Il database esiste già.";
    case kDatabaseLocked: return "Impossibile aggiornare: il database è bloccato.";
    case kFieldNotFound: return "Elemento non trovato nell'insieme.";
    case kPrimaryKeyExists: return "La chiave primaria esiste già.";
    case kIndexExists: return "L'indice esiste già.";
    case kNullInRequiredField: return "Il campo richiede un valore: impossibile inserire Null.";
    case kValidationRule: return "Il valore viola la regola di convalida del campo o della tabella.";
    case kNotADatabase: return "Formato di database non riconosciuto.";
    case kTypeRefused: return "Errore di conversione del tipo di dati.";
    case kInvalidObject: return "Oggetto non valido o non più impostato.";
    default: return {};
    }
}

void Raise(int number, const std::string& detail) {
    std::string text = Describe(number);
    if (text.empty()) throw vb::RuntimeError(number, detail);
    throw vb::RuntimeError(number, std::move(text), detail);
}

} // namespace dao
