<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Artwork</name>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>electron</source>
        <translation>électron</translation>
    </message>
    <message>
        <source>electron releasing energy</source>
        <translation>électron qui cède de l’énergie</translation>
    </message>
    <message>
        <source>electron receiving energy</source>
        <translation>électron qui reçoit de l’énergie</translation>
    </message>
    <message>
        <source>ammeter</source>
        <translation>ampèremètre</translation>
    </message>
    <message>
        <source>free software under the MIT licence</source>
        <translation>logiciel libre sous licence MIT</translation>
    </message>
</context>
<context>
    <name>Circuit</name>
    <message>
        <source>Single Bulb</source>
        <translation>Une lampe</translation>
    </message>
    <message>
        <source>Two Bulbs in Series</source>
        <translation>Deux lampes en série</translation>
    </message>
    <message>
        <source>Two Bulbs in Parallel</source>
        <translation>Deux lampes en dérivation</translation>
    </message>
    <message>
        <source>Three Bulbs in Series and Parallel</source>
        <translation>Trois lampes en série et en dérivation</translation>
    </message>
    <message>
        <source>Bulb and Switch in Series</source>
        <translation>Lampe et interrupteur en série</translation>
    </message>
    <message>
        <source>Two Bulbs in Parallel, One in Series with a Switch</source>
        <translation>Deux lampes en dérivation, l&apos;une en série avec un interrupteur</translation>
    </message>
    <message>
        <source>Two Bulbs in Parallel, Switch in Series with Both</source>
        <translation>Deux lampes en dérivation, interrupteur en série avec les deux</translation>
    </message>
    <message>
        <source>Bulb and Resistor in Series</source>
        <translation>Lampe et résistance en série</translation>
    </message>
    <message>
        <source>Two Bulbs in Parallel, One in Series with a Resistor</source>
        <translation>Deux lampes en dérivation, l&apos;une en série avec une résistance</translation>
    </message>
    <message>
        <source>Bulb and Variable Resistor in Series</source>
        <translation>Lampe et résistance variable en série</translation>
    </message>
    <message>
        <source>Two Resistors in Series</source>
        <translation>Deux résistances en série</translation>
    </message>
    <message>
        <source>Two Resistors in Parallel</source>
        <translation>Deux résistances en dérivation</translation>
    </message>
    <message>
        <source>Two Unequal Resistors in Series</source>
        <translation>Deux résistances différentes en série</translation>
    </message>
    <message>
        <source>Two Unequal Resistors in Parallel</source>
        <translation>Deux résistances différentes en dérivation</translation>
    </message>
    <message>
        <source>Two Bulbs in Parallel, Both in Series with a Switch</source>
        <translation>Deux lampes en dérivation, toutes deux en série avec un interrupteur</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>current at power supply (electrons per second)</source>
        <translation>courant à la source (électrons par seconde)</translation>
    </message>
    <message>
        <source>model, with its 95% interval</source>
        <translation>modèle, avec son intervalle à 95 %</translation>
    </message>
    <message>
        <source>ideal circuit (Ohm&apos;s and Kirchhoff&apos;s laws)</source>
        <translation>circuit idéal (lois d&apos;Ohm et de Kirchhoff)</translation>
    </message>
    <message>
        <source>Single, series and parallel bulbs</source>
        <translation>Une lampe, lampes en série et en dérivation</translation>
    </message>
    <message>
        <source>0 to 3 cells</source>
        <translation>0 à 3 piles</translation>
    </message>
    <message>
        <source>The variable resistor&apos;s 15 settings</source>
        <translation>Les 15 réglages de la résistance variable</translation>
    </message>
    <message>
        <source>Bulb against resistor</source>
        <translation>Lampe contre résistance</translation>
    </message>
    <message>
        <source>The switches open and closed</source>
        <translation>Les interrupteurs ouverts et fermés</translation>
    </message>
    <message>
        <source>All %1 circuits with 1 to 3 cells</source>
        <translation>Les %1 circuits avec 1 à 3 piles</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 pile</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 piles</translation>
    </message>
    <message>
        <source>switch open</source>
        <translation>interrupteur ouvert</translation>
    </message>
    <message>
        <source>resistance %1 of %2</source>
        <translation>résistance %1 sur %2</translation>
    </message>
    <message>
        <source>Compare Circuits</source>
        <translation>Comparer des circuits</translation>
    </message>
    <message>
        <source>Your choice of circuits and cells</source>
        <translation>Circuits et piles au choix</translation>
    </message>
    <message>
        <source>&amp;Compare:</source>
        <translation>&amp;Comparer :</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>&amp;Mesurer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Mesure en cours</translation>
    </message>
    <message>
        <source>Copy &amp;data</source>
        <translation>Copier les &amp;données</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>&amp;Enregistrer l&apos;image...</translation>
    </message>
    <message>
        <source>Measuring 10 minutes of each circuit: %1 of %2 done</source>
        <translation>Mesure de 10 minutes de chaque circuit : %1 sur %2 terminées</translation>
    </message>
    <message>
        <source>%1 runs of 10 minutes measured in %2 s</source>
        <translation>%1 séries de 10 minutes mesurées en %2 s</translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 measured</source>
        <translation>Annulé : %1 sur %2 mesurées</translation>
    </message>
    <message>
        <source>Choose what to compare, then Measure.</source>
        <translation>Choisissez ce qu&apos;il faut comparer, puis Mesurer.</translation>
    </message>
    <message>
        <source>circuit</source>
        <translation>circuit</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>réglages</translation>
    </message>
    <message>
        <source>current (electrons per second)</source>
        <translation>courant (électrons par seconde)</translation>
    </message>
    <message>
        <source>low</source>
        <translation>bas</translation>
    </message>
    <message>
        <source>high</source>
        <translation>haut</translation>
    </message>
    <message>
        <source>times the reference</source>
        <translation>fois la référence</translation>
    </message>
    <message>
        <source>ideal times the reference</source>
        <translation>idéal fois la référence</translation>
    </message>
    <message>
        <source>load %1</source>
        <translation>récepteur %1</translation>
    </message>
    <message>
        <source>energy per second</source>
        <translation>énergie par seconde</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>×%1 (ideal ×%2)</source>
        <translation>×%1 (idéal ×%2)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>no cells</source>
        <translation>aucune pile</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 pile</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 piles</translation>
    </message>
    <message>
        <source>%1, the right way round</source>
        <translation>%1, dans le bon sens</translation>
    </message>
    <message>
        <source>%1, turned round</source>
        <translation>%1, à l&apos;envers</translation>
    </message>
    <message>
        <source>current: about %1 of %2</source>
        <translation>intensité : environ %1 sur %2</translation>
    </message>
    <message>
        <source>%1, to the right</source>
        <translation>%1, vers la droite</translation>
    </message>
    <message>
        <source>%1, to the left</source>
        <translation>%1, vers la gauche</translation>
    </message>
    <message>
        <source>light bulb</source>
        <translation>lampe</translation>
    </message>
    <message>
        <source>light bulb %1</source>
        <translation>lampe %1</translation>
    </message>
    <message>
        <source>%1: bright</source>
        <translation>%1 : brillante</translation>
    </message>
    <message>
        <source>%1: dim</source>
        <translation>%1 : faible</translation>
    </message>
    <message>
        <source>%1: faint</source>
        <translation>%1 : très faible</translation>
    </message>
    <message>
        <source>%1: off</source>
        <translation>%1 : éteinte</translation>
    </message>
    <message>
        <source>switch open</source>
        <translation>interrupteur ouvert</translation>
    </message>
    <message>
        <source>switch closed</source>
        <translation>interrupteur fermé</translation>
    </message>
    <message>
        <source>variable resistor: %1 of %2</source>
        <translation>résistance variable : %1 sur %2</translation>
    </message>
</context>
<context>
    <name>DialogBar</name>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>tarrowin model</source>
        <translation>modèle Tarrowin</translation>
    </message>
    <message>
        <source>circuit diagram</source>
        <translation>schéma du circuit</translation>
    </message>
    <message>
        <source>picture of circuit</source>
        <translation>image du circuit</translation>
    </message>
    <message>
        <source>switch polarity</source>
        <translation>inverser la polarité</translation>
    </message>
    <message>
        <source>off</source>
        <translation>ouvert</translation>
    </message>
    <message>
        <source>on</source>
        <translation>fermé</translation>
    </message>
    <message>
        <source>No. of Power Cells</source>
        <translation>Nombre de piles</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Tag Electron</source>
        <translation>Marquer un électron</translation>
    </message>
    <message>
        <source>Show Labels</source>
        <translation>Afficher les noms</translation>
    </message>
    <message>
        <source>switch</source>
        <translation>interrupteur</translation>
    </message>
    <message>
        <source>variable resistor</source>
        <translation>résistance variable</translation>
    </message>
    <message>
        <source>Visualisation of Energy</source>
        <translation>Visualisation de l’énergie</translation>
    </message>
    <message>
        <source>Vary Mean Speed</source>
        <translation>Vitesse variable</translation>
    </message>
    <message>
        <source>Pulsate</source>
        <translation>Pulsation</translation>
    </message>
    <message>
        <source>Electron Key</source>
        <translation>Légende des électrons</translation>
    </message>
    <message>
        <source>Current at Power Supply</source>
        <translation>Intensité au générateur</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas à pas</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>vitesse</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normale</translation>
    </message>
    <message>
        <source>half speed</source>
        <translation>demi-vitesse</translation>
    </message>
    <message>
        <source>quarter speed</source>
        <translation>quart de vitesse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tarrowin</source>
        <translation>Tarrowin</translation>
    </message>
    <message>
        <source>Tarrowin user guide</source>
        <translation>Guide d&apos;utilisation (anglais)</translation>
    </message>
    <message>
        <source>Tarrowin 1.0, free software under the MIT licence</source>
        <translation>Tarrowin 1.0, logiciel libre sous licence MIT</translation>
    </message>
    <message>
        <source>About Tarrowin</source>
        <translation>À propos de Tarrowin</translation>
    </message>
    <message>
        <source>the electrons moving in the wires</source>
        <translation>les électrons qui se déplacent dans les fils</translation>
    </message>
    <message>
        <source>turns the power supply round</source>
        <translation>retourne le générateur</translation>
    </message>
    <message>
        <source>rings one electron so its path can be followed</source>
        <translation>entoure un électron pour suivre son trajet</translation>
    </message>
    <message>
        <source>names the parts of the circuit</source>
        <translation>nomme les composants du circuit</translation>
    </message>
    <message>
        <source>electrons carrying energy move faster</source>
        <translation>les électrons qui transportent de l&apos;énergie vont plus vite</translation>
    </message>
    <message>
        <source>electrons carrying energy flash and shake</source>
        <translation>les électrons qui transportent de l&apos;énergie clignotent et tremblent</translation>
    </message>
    <message>
        <source>no cells</source>
        <translation>aucune pile</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 pile</translation>
    </message>
    <message>
        <source>2 cells</source>
        <translation>2 piles</translation>
    </message>
    <message>
        <source>3 cells</source>
        <translation>3 piles</translation>
    </message>
    <message>
        <source>switch off</source>
        <translation>interrupteur ouvert</translation>
    </message>
    <message>
        <source>switch on</source>
        <translation>interrupteur fermé</translation>
    </message>
    <message>
        <source>less resistance</source>
        <translation>moins de résistance</translation>
    </message>
    <message>
        <source>more resistance</source>
        <translation>plus de résistance</translation>
    </message>
</context>
<context>
    <name>HyperLink</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d&apos;exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d&apos;exploitation a refusé
l&apos;accès au fichier indiqué.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire était insuffisante pour terminer l&apos;opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n&apos;est pas valide
(.EXE non Win32 ou erreur dans l&apos;image .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s&apos;est produite. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;association du nom de fichier est
incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n&apos;a pas pu
aboutir car la demande a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n&apos;a pas pu
aboutir car d&apos;autres transactions DDE
étaient en cours.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n&apos;est associée
à l&apos;extension de fichier indiquée.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques indiquée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s&apos;est produite.</translation>
    </message>
    <message>
        <source>Can&apos;t open link:

</source>
        <translation>Impossible d&apos;ouvrir le lien :

</translation>
    </message>
</context>
<context>
    <name>Label</name>
    <message>
        <source>power supply</source>
        <translation>générateur</translation>
    </message>
    <message>
        <source>resistor</source>
        <translation>résistance</translation>
    </message>
    <message>
        <source>light bulb</source>
        <translation>lampe</translation>
    </message>
    <message>
        <source>switch</source>
        <translation>interrupteur</translation>
    </message>
    <message>
        <source>variable resistor</source>
        <translation>résistance variable</translation>
    </message>
    <message>
        <source>light bulb 2</source>
        <translation>lampe 2</translation>
    </message>
    <message>
        <source>light bulb 1</source>
        <translation>lampe 1</translation>
    </message>
    <message>
        <source>light bulb 3</source>
        <translation>lampe 3</translation>
    </message>
    <message>
        <source>resistor 2</source>
        <translation>résistance 2</translation>
    </message>
    <message>
        <source>resistor 1</source>
        <translation>résistance 1</translation>
    </message>
    <message>
        <source>resistor (high R)</source>
        <translation>résistance (R élevée)</translation>
    </message>
    <message>
        <source>resistor (low R)</source>
        <translation>résistance (R faible)</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Shows how electrons carry energy round simple circuits.</source>
        <translation>Montre comment les électrons transportent l&apos;énergie dans des circuits simples.</translation>
    </message>
    <message>
        <source>Starts with circuit &lt;n&gt;, 1 to %1 in the Circuit menu&apos;s order.</source>
        <translation>Démarre sur le circuit &lt;n&gt;, de 1 à %1 dans l&apos;ordre du menu Circuit.</translation>
    </message>
    <message>
        <source>Gives that circuit &lt;n&gt; cells, 0 to 3.</source>
        <translation>Donne &lt;n&gt; piles à ce circuit, de 0 à 3.</translation>
    </message>
    <message>
        <source>Shows the circuit as the Tarrowin model (ball), the circuit diagram (diagram) or the picture of the circuit (picture).</source>
        <translation>Affiche le circuit en modèle Tarrowin (ball), en schéma (diagram) ou en image du circuit (picture).</translation>
    </message>
    <message>
        <source>Gives the whole screen to the circuit once the logo has gone.</source>
        <translation>Affiche le circuit en plein écran dès que le logo a disparu.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; --help lists the options</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»&#xa0;; --help liste les options</translation>
    </message>
    <message>
        <source>--circuit needs a number from 1 to %1, not &quot;%2&quot;</source>
        <translation>--circuit attend un nombre de 1 à %1, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>--cells needs a number from 0 to 3, not &quot;%1&quot;</source>
        <translation>--cells attend un nombre de 0 à 3, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--display needs ball, diagram or picture, not &quot;%1&quot;</source>
        <translation>--display attend ball, diagram ou picture, pas «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>current at power supply</source>
        <translation>intensité au générateur</translation>
    </message>
    <message>
        <source>energy per second</source>
        <translation>énergie par seconde</translation>
    </message>
    <message>
        <source>time (s)</source>
        <translation>temps (s)</translation>
    </message>
    <message>
        <source>electrons per second</source>
        <translation>électrons par seconde</translation>
    </message>
    <message>
        <source>current</source>
        <translation>intensité</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Copier les données</translation>
    </message>
    <message>
        <source>%1 electrons per second</source>
        <translation>%1 électrons par seconde</translation>
    </message>
    <message>
        <source>current (electrons per second)</source>
        <translation>intensité (électrons par seconde)</translation>
    </message>
    <message>
        <source>%1 (energy per second)</source>
        <translation>%1 (énergie par seconde)</translation>
    </message>
    <message>
        <source>%1 +/- %2</source>
        <translation>%1 +/- %2</translation>
    </message>
    <message>
        <source>measuring the long run</source>
        <translation>mesure sur la durée en cours</translation>
    </message>
    <message>
        <source>long run: measuring 10 minutes...</source>
        <translation>sur la durée : mesure de 10 minutes...</translation>
    </message>
    <message>
        <source>long run (10 minutes): %1 electrons per second</source>
        <translation>sur la durée (10 minutes) : %1 électrons par seconde</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Electron &amp;Colours</source>
        <translation>&amp;Couleurs des électrons</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Colour-blind safe</source>
        <translation>Adaptées aux &amp;daltoniens</translation>
    </message>
    <message>
        <source>More Circuits</source>
        <translation>Autres circuits</translation>
    </message>
    <message>
        <source>Circuit Chooser</source>
        <translation>Choix du circuit</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Choose a Circuit</source>
        <translation>Choisir un circuit</translation>
    </message>
    <message>
        <source>&amp;Next Circuit</source>
        <translation>Circuit &amp;suivant</translation>
    </message>
    <message>
        <source>&amp;Previous Circuit</source>
        <translation>Circuit &amp;précédent</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;No Cells</source>
        <translation>&amp;Aucune pile</translation>
    </message>
    <message>
        <source>&amp;1 Cell</source>
        <translation>&amp;1 pile</translation>
    </message>
    <message>
        <source>&amp;2 Cells</source>
        <translation>&amp;2 piles</translation>
    </message>
    <message>
        <source>&amp;3 Cells</source>
        <translation>&amp;3 piles</translation>
    </message>
    <message>
        <source>Switch &amp;Polarity</source>
        <translation>Inverser la &amp;polarité</translation>
    </message>
    <message>
        <source>&amp;Switch On</source>
        <translation>&amp;Fermer l&apos;interrupteur</translation>
    </message>
    <message>
        <source>&amp;Less Resistance</source>
        <translation>&amp;Moins de résistance</translation>
    </message>
    <message>
        <source>&amp;More Resistance</source>
        <translation>Plus de &amp;résistance</translation>
    </message>
    <message>
        <source>&amp;Tag Electron</source>
        <translation>Marquer un &amp;électron</translation>
    </message>
    <message>
        <source>&amp;Vary Mean Speed</source>
        <translation>&amp;Vitesse variable</translation>
    </message>
    <message>
        <source>P&amp;ulsate</source>
        <translation>P&amp;ulsation</translation>
    </message>
    <message>
        <source>M&amp;easurements</source>
        <translation>M&amp;esures</translation>
    </message>
    <message>
        <source>Tarrowin &amp;Model</source>
        <translation>&amp;Modèle Tarrowin</translation>
    </message>
    <message>
        <source>Circuit &amp;Diagram</source>
        <translation>&amp;Schéma du circuit</translation>
    </message>
    <message>
        <source>P&amp;icture of Circuit</source>
        <translation>&amp;Image du circuit</translation>
    </message>
    <message>
        <source>Show &amp;Labels</source>
        <translation>Afficher les &amp;noms</translation>
    </message>
    <message>
        <source>Full Screen Mode (ESC to Return)</source>
        <translation>Mode plein écran (Échap pour revenir)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Step</source>
        <translation>Pas à pa&amp;s</translation>
    </message>
    <message>
        <source>&amp;Normal Speed</source>
        <translation>Vitesse &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Half Speed</source>
        <translation>&amp;Demi-vitesse</translation>
    </message>
    <message>
        <source>&amp;Quarter Speed</source>
        <translation>&amp;Quart de vitesse</translation>
    </message>
    <message>
        <source>S&amp;lower</source>
        <translation>P&amp;lus lent</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>Plus &amp;rapide</translation>
    </message>
    <message>
        <source>&amp;About Tarrowin...</source>
        <translation>À &amp;propos de Tarrowin...</translation>
    </message>
    <message>
        <source>&amp;Circuit</source>
        <translation>&amp;Circuit</translation>
    </message>
    <message>
        <source>C&amp;ontrols</source>
        <translation>C&amp;ommandes</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Temps</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>&amp;Enregistrer l&apos;image...</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copier l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Reset to Defaults</source>
        <translation>&amp;Rétablir les réglages par défaut</translation>
    </message>
    <message>
        <source>Com&amp;pare Circuits...</source>
        <translation>Com&amp;parer des circuits...</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>&amp;Side of the square:</source>
        <translation>&amp;Côté du carré :</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.

%2</source>
        <translation>Impossible d&apos;enregistrer l&apos;image sous %1.

%2</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Tarrowin</source>
        <translation>Tarrowin</translation>
    </message>
</context>
</TS>
