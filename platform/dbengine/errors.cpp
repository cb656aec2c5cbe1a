#include "dbengine/errors.h"

namespace dao {

std::string Describe(int number) {
    switch (number) {
    case 6: return "Overflow.";
    case 13: return "Tipo non corrispondente.";
    case 94: return "Utilizzo non valido di Null.";
    case 3000: return "Errore riservato del motore di database.";
    case 3010: return "La tabella esiste già.";
    case 3020: return "Update o CancelUpdate senza AddNew o Edit.";
    case kNoCurrentRow: return "Nessun record corrente.";
    case kDuplicateKey: return "Valore duplicato nell'indice, nella chiave primaria o nella relazione.";
    case kFileNotFound: return "Impossibile trovare il file.";
    case 3026: return "Spazio su disco insufficiente.";
    case kReadOnly: return "Impossibile aggiornare. Il database o l'oggetto è di sola lettura.";
    case kFileInUse: return "Impossibile utilizzare il file: è già in uso da un altro programma.";
    case 3043: return "Errore del disco o della rete.";
    case 3044: return "Percorso non valido.";
    case 3049: return "Impossibile aprire il database. Il file potrebbe essere danneggiato.";
    case kTableNotFound: return "Impossibile trovare la tabella.";
    case 3127: return "L'istruzione INSERT INTO contiene un nome di campo sconosciuto.";
    case kStatementNotSupported: return "Istruzione SQL non valida o non supportata.";
    case kTextTooLong: return "Il campo è troppo piccolo per la quantità di dati da aggiungere.";
    case 3167: return "Il record è stato eliminato.";
    case 3191: return "Impossibile definire più volte lo stesso campo.";
    case kCompactTargetExists: return "Il database esiste già.";
    case 3218: return "Impossibile aggiornare: il database è bloccato.";
    case kFieldNotFound: return "Elemento non trovato nell'insieme.";
    case 3283: return "La chiave primaria esiste già.";
    case 3284: return "L'indice esiste già.";
    case kNullInRequiredField: return "Il campo richiede un valore: impossibile inserire Null.";
    case kValidationRule: return "Il valore viola la regola di convalida del campo o della tabella.";
    case kNotADatabase: return "Formato di database non riconosciuto.";
    case kTypeRefused: return "Errore di conversione del tipo di dati.";
    case 3420: return "Oggetto non valido o non più impostato.";
    default: return {};
    }
}

void Raise(int number, const std::string& detail) {
    std::string text = Describe(number);
    if (!detail.empty()) text += text.empty() ? detail : " (" + detail + ")";
    throw vb::RuntimeError(number, std::move(text));
}

} // namespace dao
