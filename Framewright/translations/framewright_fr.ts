<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CalculationView</name>
    <message>
        <source>Share calculation</source>
        <translation>Partager le calcul</translation>
    </message>
    <message>
        <source>Delete calculation</source>
        <translation>Supprimer le calcul</translation>
    </message>
</context>
<context>
    <name>DeleteAlert</name>
    <message>
        <source>There is no undo</source>
        <translation>Cette action est irréversible</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
</context>
<context>
    <name>FormatAttribute</name>
    <message>
        <source>Dropframe</source>
        <translation>Drop frame</translation>
    </message>
    <message>
        <source>Frame duration/s</source>
        <translation>Durée d&apos;image/s</translation>
    </message>
    <message>
        <source>Gauge</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Frames per foot</source>
        <translation>Images par pied</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
</context>
<context>
    <name>FormatName</name>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pieds</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Mètres</translation>
    </message>
    <message>
        <source>1000ft rolls</source>
        <translation>Bobines 1000 ft</translation>
    </message>
    <message>
        <source>400ft rolls</source>
        <translation>Bobines 400 ft</translation>
    </message>
    <message>
        <source>100 ft rolls</source>
        <translation>Bobines 100 ft</translation>
    </message>
    <message>
        <source>Super 8mm</source>
        <translation>Super 8mm</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>DECIMAL</source>
        <translation>DÉCIMAL</translation>
    </message>
</context>
<context>
    <name>HistoryTopBar</name>
    <message>
        <source>Collapse history</source>
        <translation>Réduire l&apos;historique</translation>
    </message>
    <message>
        <source>Expand history</source>
        <translation>Développer l&apos;historique</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Share history</source>
        <translation>Partager l&apos;historique</translation>
    </message>
    <message>
        <source>Delete all history</source>
        <translation>Effacer tout l&apos;historique</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Keypad</source>
        <translation>Pavé numérique</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Are you sure you want to delete this item?</source>
        <translation>Voulez-vous vraiment supprimer cet élément ?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all history items?</source>
        <translation>Voulez-vous vraiment supprimer tout l&apos;historique ?</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Calculation.txt</source>
        <translation>Calcul.txt</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Save History...</source>
        <translation>Enregistrer l&apos;historique...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Enregistrer l&apos;historique</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Paste Column</source>
        <translation>Coller la colonne</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
</context>
<context>
    <name>NoEntriesView</name>
    <message>
        <source>No entries</source>
        <translation>Aucune entrée</translation>
    </message>
</context>
<context>
    <name>PasteAlert</name>
    <message>
        <source>The column was not pasted</source>
        <translation>La colonne n&apos;a pas été collée</translation>
    </message>
    <message>
        <source>Line %1 is not a value in the primary format:</source>
        <translation>La ligne %1 n&apos;est pas une valeur au format principal :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PrimaryDisplayValue</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>primary, Error</source>
        <translation>principal, Erreur</translation>
    </message>
</context>
<context>
    <name>SavePanel</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Footage unit</source>
        <translation>Unité de métrage</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Fréquence d&apos;images</translation>
    </message>
</context>
<context>
    <name>SharePicker</name>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save as Text…</source>
        <translation>Enregistrer en texte…</translation>
    </message>
    <message>
        <source>Email…</source>
        <translation>E-mail…</translation>
    </message>
    <message>
        <source>Save as Text</source>
        <translation>Enregistrer en texte</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>SpokenForm</name>
    <message>
        <source>%1 drop frame</source>
        <translation>%1 drop frame</translation>
    </message>
    <message>
        <source>%1 non drop frame</source>
        <translation>%1 non drop frame</translation>
    </message>
    <message>
        <source>%1 pull down</source>
        <translation>%1 pull-down</translation>
    </message>
    <message>
        <source>%1 millimetre</source>
        <translation>%1 millimètres</translation>
    </message>
    <message>
        <source>%1 foot rolls</source>
        <translation>bobines de %1 pieds</translation>
    </message>
    <message>
        <source>%1 foot</source>
        <translation>%1 pieds</translation>
    </message>
    <message>
        <source>%1 perf</source>
        <translation>%1 perforations</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pieds</translation>
    </message>
    <message>
        <source>feet and frames</source>
        <translation>pieds et images</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>pied</translation>
    </message>
    <message>
        <source>frames</source>
        <translation>images</translation>
    </message>
    <message>
        <source>decimal</source>
        <translation>décimal</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>mètres</translation>
    </message>
    <message>
        <source>super</source>
        <translation>super</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>zéro</translation>
    </message>
    <message>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>double zero</source>
        <translation>double zéro</translation>
    </message>
    <message>
        <source>point</source>
        <translation>virgule</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>tout effacer</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>effacer</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>retour arrière</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>timecode divide</source>
        <translation>division par timecode</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égal</translation>
    </message>
    <message>
        <source>unknown operation</source>
        <translation>opération inconnue</translation>
    </message>
    <message>
        <source>%1 frames per second</source>
        <translation>%1 images par seconde</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>principal</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>en haut à gauche</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>en haut à droite</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>en bas à gauche</translation>
    </message>
</context>
<context>
    <name>framewright::PersistenceController</name>
    <message>
        <source>the folder for %1 cannot be made, because a file stands in its path</source>
        <translation>le dossier de %1 ne peut pas être créé, car un fichier se trouve sur son chemin</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>you do not have permission to write %1</source>
        <translation>vous n&apos;avez pas le droit d&apos;écrire %1</translation>
    </message>
    <message>
        <source>the disk holding %1 is full</source>
        <translation>le disque contenant %1 est plein</translation>
    </message>
    <message>
        <source>the disk reported an error writing %1</source>
        <translation>le disque a signalé une erreur à l&apos;écriture de %1</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2)</source>
        <translation>%1 ne peut pas être utilisé (%2)</translation>
    </message>
    <message>
        <source>History can&apos;t be saved: %1. This session&apos;s calculations are kept until you quit.</source>
        <translation>L&apos;historique ne peut pas être enregistré : %1. Les calculs de cette session sont conservés jusqu&apos;à ce que vous quittiez.</translation>
    </message>
</context>
</TS>
