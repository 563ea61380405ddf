<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>logger::ChartWindow</name>
    <message>
        <source>Output Current</source>
        <translation>Courant de sortie</translation>
    </message>
    <message>
        <source>Primary Variable</source>
        <translation>Variable primaire</translation>
    </message>
    <message>
        <source>Secondary Variable</source>
        <translation>Variable secondaire</translation>
    </message>
    <message>
        <source>Third Variable</source>
        <translation>Variable tertiaire</translation>
    </message>
    <message>
        <source>Fourth Variable</source>
        <translation>Variable quaternaire</translation>
    </message>
</context>
<context>
    <name>logger::MonitorTexts</name>
    <message>
        <source>Polling Adress</source>
        <translation>Adresse d&apos;interrogation</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Courant</translation>
    </message>
    <message>
        <source>PV</source>
        <translation>PV</translation>
    </message>
    <message>
        <source>SV</source>
        <translation>SV</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>FV</source>
        <translation>FV</translation>
    </message>
    <message>
        <source>Distributor</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Time Out!</source>
        <translation>Délai dépassé !</translation>
    </message>
    <message>
        <source>HART Transmitter not found!</source>
        <translation>Transmetteur HART introuvable !</translation>
    </message>
    <message>
        <source>Monitor started at </source>
        <translation>Surveillance démarrée le </translation>
    </message>
    <message>
        <source>Monitor stoped at </source>
        <translation>Surveillance arrêtée le </translation>
    </message>
    <message>
        <source>Cannot save to file!</source>
        <translation>Impossible d&apos;enregistrer dans le fichier !</translation>
    </message>
    <message>
        <source>Reply line %1 is missing!</source>
        <translation>La ligne %1 de la réponse manque !</translation>
    </message>
    <message>
        <source>Reply line %1 is not a number: %2</source>
        <translation>La ligne %1 de la réponse n&apos;est pas un nombre : %2</translation>
    </message>
    <message>
        <source>Units: </source>
        <translation>Unités : </translation>
    </message>
    <message>
        <source>Sending cmd </source>
        <translation>Envoi de la commande </translation>
    </message>
    <message>
        <source>Cmd sending failed.</source>
        <translation>Échec de l&apos;envoi de la commande.</translation>
    </message>
    <message>
        <source>Command ready.</source>
        <translation>Commande terminée.</translation>
    </message>
    <message>
        <source>Monitor finished</source>
        <translation>Surveillance terminée</translation>
    </message>
    <message>
        <source>Halvane not found!<byte value="xd"/>
Cannot start monitor!</source>
        <translation>Halvane introuvable !<byte value="xd"/>
Impossible de démarrer la surveillance !</translation>
    </message>
    <message>
        <source>Command not performed, try again!</source>
        <translation>Commande non exécutée, réessayez !</translation>
    </message>
    <message>
        <source>Communication Error!</source>
        <translation>Erreur de communication !</translation>
    </message>
    <message>
        <source>Command Error!</source>
        <translation>Erreur de commande !</translation>
    </message>
    <message>
        <source>Except in DoMacro.</source>
        <translation>Exception dans DoMacro.</translation>
    </message>
    <message>
        <source>Monitor has been interrupted!</source>
        <translation>La surveillance a été interrompue !</translation>
    </message>
    <message>
        <source>File aready exists!<byte value="xd"/>
Do you really want to rewrite file?</source>
        <translation>Le fichier existe déjà !<byte value="xd"/>
Voulez-vous vraiment l&apos;écraser ?</translation>
    </message>
    <message>
        <source>Cannot create directory!<byte value="xd"/>
Monitor has been interrupted!</source>
        <translation>Impossible de créer le dossier !<byte value="xd"/>
La surveillance a été interrompue !</translation>
    </message>
    <message>
        <source>Cannot create file for LOGs!<byte value="xd"/>
Monitor interrupted.</source>
        <translation>Impossible de créer le fichier journal !<byte value="xd"/>
Surveillance interrompue.</translation>
    </message>
    <message>
        <source>Do you really want to clear screen?</source>
        <translation>Voulez-vous vraiment effacer l&apos;écran ?</translation>
    </message>
    <message>
        <source>Cannot terminate driver!</source>
        <translation>Impossible d&apos;arrêter le pilote !</translation>
    </message>
</context>
<context>
    <name>logger::TfChart</name>
    <message>
        <source>automatic</source>
        <translation>automatique</translation>
    </message>
    <message>
        <source>automaticky</source>
        <extracomment>The Czech built-in caption of the secondary variable&apos;s automatic Min Y: &quot;automatic&quot;.</extracomment>
        <translation>automatique</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Max points (%1)</source>
        <translation>Points max. (%1)</translation>
    </message>
    <message>
        <source>Max points</source>
        <translation>Points max.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Max Y</source>
        <translation>Max Y</translation>
    </message>
    <message>
        <source>submit</source>
        <translation>saisir</translation>
    </message>
    <message>
        <source>Min Y</source>
        <translation>Min Y</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Max Point</source>
        <translation>Points max.</translation>
    </message>
    <message>
        <source>Max of Y axis</source>
        <translation>Maximum de l&apos;axe Y</translation>
    </message>
    <message>
        <source>Axis Maximum Value must be &gt;= Minimum</source>
        <translation>Le maximum de l&apos;axe doit être &gt;= au minimum</translation>
    </message>
    <message>
        <source>Min of Y axis</source>
        <translation>Minimum de l&apos;axe Y</translation>
    </message>
    <message>
        <source>Axis Minimum Value must be &lt;= Maximum</source>
        <translation>Le minimum de l&apos;axe doit être &lt;= au maximum</translation>
    </message>
</context>
<context>
    <name>logger::TfMain</name>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Distributor</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Show Graph</source>
        <translation>&amp;Afficher le graphique</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Monitor Settings</source>
        <translation>Paramètres de surveillance</translation>
    </message>
    <message>
        <source>Close driver when Loopscribe exits</source>
        <translation>Arrêter le pilote à la fermeture de Loopscribe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>À propos ...</translation>
    </message>
    <message>
        <source>Show Loopscribe</source>
        <translation>Afficher Loopscribe</translation>
    </message>
    <message>
        <source>Close Loopscribe</source>
        <translation>Quitter Loopscribe</translation>
    </message>
    <message>
        <source>Do You really want to exit Loopscribe?</source>
        <translation>Voulez-vous vraiment quitter Loopscribe ?</translation>
    </message>
    <message>
        <source>The monitor is running!<byte value="xd"/>
Application will be hidden (Background Monitor).</source>
        <translation>La surveillance est en cours !<byte value="xd"/>
L&apos;application sera masquée (surveillance en arrière-plan).</translation>
    </message>
    <message>
        <source>Cannot save the settings; the changes of this run are lost.<byte value="xd"/>
Check that the settings folder can be written.</source>
        <translation>Impossible d&apos;enregistrer les paramètres ; les modifications de cette session sont perdues.<byte value="xd"/>
Vérifiez que le dossier des paramètres est accessible en écriture.</translation>
    </message>
</context>
<context>
    <name>logger::TfOprogramu</name>
    <message>
        <source>Loopscribe for Windows®</source>
        <translation>Loopscribe pour Windows®</translation>
    </message>
    <message>
        <source>Loopscribe for Linux</source>
        <translation>Loopscribe pour Linux</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>À propos ...</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Part of Halvane, the HART driver and tools</source>
        <translation>Partie de Halvane, pilote HART et outils</translation>
    </message>
    <message>
        <source>User guide: docs/loopscribe.md</source>
        <translation>Guide de l&apos;utilisateur : docs/loopscribe.md</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>logger::TfOptions</name>
    <message>
        <source>Monitor Settings</source>
        <translation>Paramètres de surveillance</translation>
    </message>
    <message>
        <source>Reading:</source>
        <translation>Lecture :</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuelle</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Interval [s]:</source>
        <translation>Intervalle [s] :</translation>
    </message>
    <message>
        <source>Multidrop max. address:</source>
        <translation>Adresse multidrop max. :</translation>
    </message>
    <message>
        <source>Save record to file</source>
        <translation>Fichier journal</translation>
    </message>
    <message>
        <source>Append file</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Rewrite file</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Save monitored LOG as ...</source>
        <translation>Enregistrer le journal sous ...</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/heure</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no time stamp</comment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>No Warn</source>
        <translation>Aucun avertissement</translation>
    </message>
    <message>
        <source>Timeout Only</source>
        <translation>Délai dépassé seulement</translation>
    </message>
    <message>
        <source>Status Only</source>
        <translation>État seulement</translation>
    </message>
    <message>
        <source>All Errors</source>
        <translation>Toutes les erreurs</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgule</translation>
    </message>
    <message>
        <source>By System</source>
        <translation>Selon le système</translation>
    </message>
    <message>
        <source>Number of decimal places</source>
        <translation>Nombre de décimales</translation>
    </message>
    <message>
        <source>auto</source>
        <comment>decimal places</comment>
        <translation>auto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Parameters cannot be changed while monitor is running!</source>
        <translation>Les paramètres ne peuvent pas être modifiés pendant la surveillance !</translation>
    </message>
    <message>
        <source>Cannot create directory for LOG file!</source>
        <translation>Impossible de créer le dossier du fichier journal !</translation>
    </message>
    <message>
        <source>Min value is 2 sec!</source>
        <translation>La valeur minimale est de 2 s !</translation>
    </message>
    <message>
        <source>Logs (*.log);;All Files (*)</source>
        <translation>Journaux (*.log);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>Séparateur décimal</translation>
    </message>
</context>
</TS>
